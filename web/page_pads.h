#pragma once

#include "play/pad_input.h"

// The pads connected to the page, read through the browser's Gamepad API at each poll. A press
// on any of them is the player's gesture for the page's sound, as a key press is, where the
// browser counts it as one.
class PagePads {
 public:
  PadReadings read();

 private:
  bool anyPressed_ = false;
};
