#pragma once

#include <array>
#include <cstddef>
#include <vector>

// The pad's buttons the game uses, named by place as the common pads share them, whatever their
// labels: South is A or Cross, East is B or Circle; Back is Select, View or Share; Start is Start,
// Menu or Options.
enum class PadButton { South, East, Back, Start, DpadUp, DpadDown, DpadLeft, DpadRight };
inline constexpr std::size_t kPadButtonCount = 8;

// One pad as a front-end read it at a poll: its buttons, and its left stick with each axis from
// -1 to 1, x growing to the right and y downwards.
struct PadReading {
  // Tells this pad from the others connected now; a front-end keeps it while the pad stays.
  int padId = 0;
  std::array<bool, kPadButtonCount> buttons{};
  float stickX = 0.0f;
  float stickY = 0.0f;

  bool& operator[](PadButton button) { return buttons[static_cast<std::size_t>(button)]; }
  bool operator[](PadButton button) const { return buttons[static_cast<std::size_t>(button)]; }
};

using PadReadings = std::vector<PadReading>;

// How often a front-end reads its pads, from start-up to the end of the game.
inline constexpr int kPadPollIntervalMs = 16;

// What a pad does in a window or message in front of the game: move the focus up or down the
// keyboard order, left or right (a focused slider steps instead), press the focused control,
// or close the window as its own button does (Resume Game, Close, OK).
enum class PadWindowAction { FocusUp, FocusDown, Left, Right, Press, Close };
