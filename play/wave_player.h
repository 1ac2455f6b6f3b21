#pragma once

#include <string>

// Plays a wave file once, in the background, without waiting; a new request stops and replaces
// the sound the previous one started.
class WavePlayer {
 public:
  virtual ~WavePlayer() = default;
  virtual void play(const std::string& fileName) = 0;
};
