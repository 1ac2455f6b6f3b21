// A tick and its frame on the real X11 platform, until the X server has drawn it: the real main
// window in play, each frame timed from the tick through Qt's paint and flush to the reply of a
// round trip on Qt's own connection, which the server sends only after every earlier request.
// Prints "frame_x11_us MEDIAN us". Run it on a private X server.
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/time_mixed_random.h"
#include "tests/fakes/fake_ports.h"
#include "ui/game_font.h"
#include "ui/main_window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

void roundTrip(xcb_connection_t* connection) {
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication app(argc, argv);
  auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) {
    std::fprintf(stderr, "zundabar: the X11 frame benchmark needs an X server\n");
    return 1;
  }
  xcb_connection_t* connection = x11->connection();
  useGameFont();
  const int frames = argc > 1 ? std::atoi(argv[1]) : 500;

  FakeKeys keys;
  FakeStore store;
  store.values["Music"] = "False";
  FakeWavePlayer silent;
  TimeMixedRandom random;
  MainWindow form(keys, store, silent, random);
  form.start();
  while (!form.windowHandle()->isExposed()) QCoreApplication::processEvents();
  settle(300);

  // Space at the start prompt starts play; the benchmark then runs each tick itself.
  keys.held = {VirtualKey::Space};
  form.playControl().pollStartKeys();
  keys.held.clear();
  form.setTimer(TimerId::Tick, false);
  settle(100);

  std::vector<double> us;
  for (int i = 0; i < frames + 20; ++i) {
    // The player stays far above the ledge, so no level ends during the measurement.
    form.game().state().playerY = 0;
    const auto start = Clock::now();
    form.playTick();
    QCoreApplication::processEvents();
    roundTrip(connection);
    if (i >= 20)
      us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::sort(us.begin(), us.end());
  std::printf("frame_x11_us %.1f us\n", us[us.size() / 2]);
  return 0;
}
