#include "ui/main_window/lazy_wave_player.h"

#include "ui/main_window/audio_module.h"
#include "ui/main_window/game_module.h"
#include "ui/stderr_report.h"

LazyWavePlayer::LazyWavePlayer(QStringList paths, QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {}

LazyWavePlayer::~LazyWavePlayer() {
  // The player's code lives in the module, so it goes before the module does.
  delete playerObject_;
}

QStringList LazyWavePlayer::modulePaths() { return gameModulePaths(kAudioModuleName); }

void LazyWavePlayer::play(const std::string& fileName) {
  if (!tried_) {
    tried_ = true;
    std::string failure;
    auto create = reinterpret_cast<CreateWavePlayer>(
        loadGameModule(library_, paths_, kCreateWavePlayerSymbol, failure));
    if (create) {
      playerObject_ = create(&player_);
    } else {
      tellOnStderr("cannot load the audio module (" + printable(failure) +
                   "); the game plays no music");
    }
  }
  if (player_) player_->play(fileName);
}
