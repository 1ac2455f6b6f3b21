#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <xinput.h>

#include <array>
#include <cstdint>
#include <optional>

#include "play/pad_input.h"

using XInputGetStateFunction = DWORD(WINAPI*)(DWORD userIndex, XINPUT_STATE* state);

// How often a slot with no pad is asked again. Asking XInput about an empty slot is known to
// take long on real Windows, far too long for every poll; once a second still finds a pad
// plugged in during play within about a second. A connected pad is read at every poll.
inline constexpr std::uint64_t kEmptyPadSlotPollIntervalMs = 1000;

// Windows' own XInputGetState: xinput1_4.dll where the system has it (Windows 8 and later), else
// xinput9_1_0.dll (Windows 7); null with neither. Loaded only when asked for, so that the
// program imports no XInput library and starts without one.
XInputGetStateFunction windowsXInputGetState();

// An XInput pad as the game reads pads: A is South, B East, Back and Start themselves, the
// d-pad's directions, and the left stick with y turned to grow downwards.
PadReading padReadingOf(int userIndex, const XINPUT_GAMEPAD& gamepad);

// The pads in XInput's four slots, each known by its slot while it stays connected.
class XInputPads {
 public:
  // Through Windows' own XInput, loaded at the first read; without it there is never a pad,
  // and nothing is told.
  XInputPads() = default;
  explicit XInputPads(XInputGetStateFunction getState) : getState_(getState), loaded_(true) {}

  // The pads connected now; nowMs is any clock in milliseconds.
  PadReadings read(std::uint64_t nowMs);

 private:
  struct Slot {
    bool connected = false;
    std::optional<std::uint64_t> askedAtMs;
  };

  XInputGetStateFunction getState_ = nullptr;
  bool loaded_ = false;
  std::array<Slot, XUSER_MAX_COUNT> slots_{};
};
