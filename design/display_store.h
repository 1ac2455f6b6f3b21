#pragma once

#include "design/display_rules.h"

// Where the player's display choice is kept between games, apart from the options. A store tells
// its own problems and never stops the game: what cannot be read gives the window at 1x, and a
// save that fails leaves the game with the choice it has.
class DisplayStore {
 public:
  virtual ~DisplayStore() = default;
  virtual DisplayChoice load() = 0;
  virtual void save(const DisplayChoice& choice) = 0;
};
