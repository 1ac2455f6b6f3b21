#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/main_window/qt_wave_player.h"

// Plays a wave file from the current directory through the game's wave player for a while, so
// that a recording of the audio output can be checked.
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FILE MILLISECONDS\n", argv[0]);
    return 2;
  }
  QtWavePlayer player;
  player.play(argv[1]);
  bool heard = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] { heard = heard || player.isPlaying(); });
  poll.start(20);
  QTimer::singleShot(std::atoi(argv[2]), &app, &QCoreApplication::quit);
  QGuiApplication::exec();
  std::printf("playing seen: %s\n", heard ? "yes" : "no");
  return heard ? 0 : 1;
}
