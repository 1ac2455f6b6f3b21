#include "ui/main_window/lazy_wave_player.h"

#include <QCoreApplication>
#include <QDir>

#include "ui/main_window/audio_module.h"
#include "ui/stderr_report.h"

LazyWavePlayer::LazyWavePlayer(QStringList paths, QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {}

LazyWavePlayer::~LazyWavePlayer() {
  // The player's code lives in the module, so it goes before the module does.
  delete playerObject_;
}

QStringList LazyWavePlayer::modulePaths() {
  const QString here = QCoreApplication::applicationDirPath();
  return {QDir(here).filePath(kAudioModuleName),
          QDir(here).filePath(QString("../lib/zundabar/") + kAudioModuleName)};
}

void LazyWavePlayer::play(const std::string& fileName) {
  if (!tried_) {
    tried_ = true;
    QStringList failures;
    for (const QString& path : paths_) {
      library_.setFileName(path);
      if (library_.load()) break;
      failures << library_.errorString();
    }
    auto create = reinterpret_cast<CreateWavePlayer>(library_.resolve(kCreateWavePlayerSymbol));
    if (create) {
      playerObject_ = create(&player_);
    } else {
      tellOnStderr("cannot load the audio module (" + printable(failures.join("; ").toStdString()) +
                   "); the game plays no music");
    }
  }
  if (player_) player_->play(fileName);
}
