#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/main_window/lazy_wave_player.h"

// Plays a wave file from the current directory through the game's own wave player, audio module
// and all, for a while, so that a recording of the audio output can be checked. Given a
// replacement, it first plays the file, then puts the replacement in its place and plays again.
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s AUDIO_MODULE FILE MILLISECONDS [REPLACEMENT]\n", argv[0]);
    return 2;
  }
  LazyWavePlayer player({QString::fromLocal8Bit(argv[1])});
  player.play(argv[2]);
  if (!player.loaded()) return 1;
  if (argc == 5) {
    QTimer::singleShot(500, &app, [&] {
      QFile::remove(argv[2]);
      if (!QFile::copy(argv[4], argv[2])) QCoreApplication::exit(1);
      player.play(argv[2]);
    });
  }
  QTimer::singleShot(std::atoi(argv[3]), &app, &QCoreApplication::quit);
  return QGuiApplication::exec();
}
