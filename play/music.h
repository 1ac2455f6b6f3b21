#pragma once

#include <string>

#include "game/settings_store.h"
#include "play/wave_player.h"

// The file is looked up in the current directory, which need not be the program's own.
inline const std::string kMusicFileName = "Music.wav";
constexpr int kMusicReplayIntervalMs = 21500;

// The music step: plays the music file unless "Music" is stored as exactly "False", and
// repairs a missing or unrecognised "Music" text by storing "True".
class Music {
 public:
  Music(SettingsStore& store, WavePlayer& player) : store_(store), player_(player) {}

  // At the first Space, on each replay and when the music box is set ticked.
  void step();

 private:
  SettingsStore& store_;
  WavePlayer& player_;
};
