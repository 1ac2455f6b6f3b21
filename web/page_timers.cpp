#include "web/page_timers.h"

#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

namespace {

std::int64_t nowUs() { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }

}  // namespace

PageTimers::~PageTimers() {
  for (Running& running : timers_) cancel(running);
}

void PageTimers::start(std::size_t slot, int intervalMs) {
  Running& running = timers_.at(slot);
  running.owner = this;
  running.slot = slot;
  running.pacer.emplace(intervalMs);
  running.pacer->start(nowUs());
  if (frozen_) running.pacer->freeze(nowUs());
  schedule(running);
}

void PageTimers::stop(std::size_t slot) {
  Running& running = timers_.at(slot);
  cancel(running);
  running.pacer.reset();
}

void PageTimers::freeze() {
  if (frozen_) return;
  frozen_ = true;
  for (Running& running : timers_) {
    if (!running.pacer) continue;
    running.pacer->freeze(nowUs());
    cancel(running);
  }
}

void PageTimers::thaw() {
  if (!frozen_) return;
  frozen_ = false;
  for (Running& running : timers_) {
    if (!running.pacer) continue;
    running.pacer->thaw(nowUs());
    schedule(running);
  }
}

void PageTimers::schedule(Running& running) {
  cancel(running);
  if (frozen_ || !running.pacer) return;
  running.handle =
      emscripten_set_timeout(&PageTimers::woke, running.pacer->waitMs(nowUs()), &running);
  running.scheduled = true;
}

void PageTimers::cancel(Running& running) {
  if (running.scheduled) emscripten_clear_timeout(running.handle);
  running.scheduled = false;
}

void PageTimers::woke(void* data) {
  auto& running = *static_cast<Running*>(data);
  running.scheduled = false;
  PageTimers& self = *running.owner;
  if (!running.pacer) return;
  const bool due = running.pacer->wake(nowUs());
  // The firing may stop this timer, or end the game and with it these timers.
  if (due && running.slot == kPadPollSlot) {
    self.padsDue_();
  } else if (due) {
    self.fired_(static_cast<TimerId>(running.slot));
  }
  if (running.pacer && !running.scheduled) self.schedule(running);
}
