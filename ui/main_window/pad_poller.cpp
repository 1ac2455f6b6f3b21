#include "ui/main_window/pad_poller.h"

namespace {

constexpr int kFirstPadPollDelayMs = 300;

}  // namespace

PadPoller::PadPoller(PlaySession& session, PadReader& reader, QObject* parent)
    : QObject(parent), session_(session), reader_(reader) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kPadPollIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &PadPoller::pollNow);
}

void PadPoller::start() {
  QTimer::singleShot(kFirstPadPollDelayMs, this, [this] {
    timer_.start();
    pollNow();
  });
}

void PadPoller::pollNow() {
  if (session_.ended()) {
    timer_.stop();
    return;
  }
  session_.padsRead(reader_.read());
}
