#pragma once

#include <SDL2/SDL.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "ui/main_window/pad_reader.h"

// The pads through SDL's game-controller subsystem alone, whose database maps the common pads to
// one layout. SDL's video is never started, and no thread of the game's own reads the pads: the
// state is brought up to date at each read.
class SdlPadReader final : public PadReader {
 public:
  // Starts SDL's game controllers, or returns none and says why.
  static std::unique_ptr<SdlPadReader> start(std::string& failure);
  ~SdlPadReader() override;

  PadReadings read() override;

 private:
  SdlPadReader() = default;
  void openNewPads();

  std::map<SDL_JoystickID, SDL_GameController*> pads_;
  // Pads SDL would not open, told once each.
  std::set<SDL_JoystickID> refused_;
};
