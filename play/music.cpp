#include "play/music.h"

#include "game/option_rules.h"

void Music::step() {
  const std::string key(options::kMusic.key);
  // Each test reads the store afresh rather than keeping the first text.
  if (store_.get(key) != options::kTrueText) {
    if (store_.get(key) == options::kFalseText) return;
    store_.save(key, options::tickText(true));
  }
  player_.play(kMusicFileName);
}
