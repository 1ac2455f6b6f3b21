#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/main_window/lazy_wave_player.h"

// Plays a wave file from the current directory through the game's own wave player, audio module
// and all, for a while, so that a recording of the audio output can be checked.
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s AUDIO_MODULE FILE MILLISECONDS\n", argv[0]);
    return 2;
  }
  LazyWavePlayer player({QString::fromLocal8Bit(argv[1])});
  player.play(argv[2]);
  if (!player.loaded()) return 1;
  QTimer::singleShot(std::atoi(argv[3]), &app, &QCoreApplication::quit);
  return QGuiApplication::exec();
}
