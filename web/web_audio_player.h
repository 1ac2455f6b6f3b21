#pragma once

#include "play/wave_player.h"
#include "web/page.h"

// The music through Web Audio: the file beside the page is fetched and decoded at its first
// play, never before, and played from memory after that.
class WebAudioPlayer final : public WavePlayer {
 public:
  void play(const std::string& fileName) override { pagePlayMusic(fileName.c_str()); }
};
