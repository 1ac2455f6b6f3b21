#pragma once

#include <string>
#include <string_view>

#include "play/wave_player.h"

// Plays through PlaySoundW, which stops the sound playing before it starts a new one. A missing
// or unplayable file plays nothing: never the system's default sound instead; nor does anything
// play without the sound library.
class PlaySoundWavePlayer final : public WavePlayer {
 public:
  void play(const std::string& fileName) override;
};

// The name PlaySoundW is given: a bare file name is looked for in the current folder only, as
// ".\Music.wav", never along the system's folders and PATH.
std::wstring playSoundFileName(std::string_view fileName);
