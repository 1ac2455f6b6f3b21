#pragma once

#include <string>

#include "play/wave_player.h"
#include "settings/settings_store.h"

// The file is looked up in the current directory, which need not be the program's own.
inline const std::string kMusicFileName = "Music.wav";
constexpr int kMusicReplayIntervalMs = 21500;

// The music step: plays the music file unless "Music" is stored as exactly "False", and
// repairs a missing or unrecognised "Music" text by storing "True".
class Music {
 public:
  Music(SettingsStore& store, WavePlayer& player) : store_(store), player_(player) {}

  void PlayMusic() { step(); }
  void tmrMusic_Timer() { step(); }

 private:
  void step();

  SettingsStore& store_;
  WavePlayer& player_;
};
