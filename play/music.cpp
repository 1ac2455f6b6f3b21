#include "play/music.h"

#include "game/option_rules.h"

void Music::step() {
  // Each test reads the store afresh rather than keeping the first text.
  if (store_.get(options::kMusicKey) != options::kTrueText) {
    if (store_.get(options::kMusicKey) == options::kFalseText) return;
    store_.save(options::kMusicKey, options::kTrueText);
  }
  player_.play(kMusicFileName);
}
