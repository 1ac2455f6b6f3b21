#pragma once

#include <cstdint>

#include "play/pad_input.h"

// A pad as the page's Gamepad API gives it, copied into the game's memory by pagePads: five
// words, in this order.
struct PagePad {
  // gamepad.index: the browser keeps it while the pad stays connected.
  std::int32_t index = 0;
  // 1 when the browser knows the pad's layout (gamepad.mapping is "standard").
  std::int32_t standardMapping = 0;
  // Bit n is set while buttons[n] is pressed.
  std::uint32_t pressedButtons = 0;
  float axisX = 0.0f;
  float axisY = 0.0f;
};
static_assert(sizeof(PagePad) == 5 * 4, "pagePads writes five words a pad");

// The game's reading of a pad, by the standard mapping's places: the face buttons 0 and 1 are
// South and East, 8 and 9 Back and Start, 12 to 15 the d-pad up, down, left and right; axes 0
// and 1 are the left stick, y already growing downwards.
PadReading padReadingOf(const PagePad& pad);
