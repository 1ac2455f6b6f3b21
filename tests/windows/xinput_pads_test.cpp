#include "win32/xinput_pads.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace {

// What the stand-in for XInputGetState finds in each slot, and how often each slot was asked.
std::array<std::optional<XINPUT_GAMEPAD>, XUSER_MAX_COUNT> standInPads;
std::array<int, XUSER_MAX_COUNT> standInAsked;

DWORD WINAPI standInGetState(DWORD userIndex, XINPUT_STATE* state) {
  ++standInAsked.at(userIndex);
  if (!standInPads.at(userIndex)) return ERROR_DEVICE_NOT_CONNECTED;
  state->Gamepad = *standInPads[userIndex];
  return ERROR_SUCCESS;
}

std::vector<int> padIds(const PadReadings& pads) {
  std::vector<int> ids;
  for (const PadReading& pad : pads) ids.push_back(pad.padId);
  return ids;
}

TEST(XInputPads, ReadTheButtonsByPlaceAndTheStickWithYGrowingDownwards) {
  XInputPads pads(standInGetState);
  // In PadButton's order: South, East, Back, Start, up, down, left, right. X is none of them.
  standInPads = {std::nullopt, std::nullopt,
                 XINPUT_GAMEPAD{XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_BACK | XINPUT_GAMEPAD_DPAD_UP |
                                    XINPUT_GAMEPAD_DPAD_RIGHT | XINPUT_GAMEPAD_X,
                                0, 0, 32767, 16384, 0, 0}};
  PadReadings read = pads.read(0);
  ASSERT_EQ(padIds(read), std::vector{2});
  EXPECT_EQ(read[0].buttons, (std::array{true, false, true, false, true, false, false, true}));
  EXPECT_FLOAT_EQ(read[0].stickX, 1.0f);
  EXPECT_NEAR(read[0].stickY, -0.5f, 0.001f);

  standInPads[2] = {
      XINPUT_GAMEPAD_B | XINPUT_GAMEPAD_START | XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_DPAD_LEFT,
      0,
      0,
      -32768,
      -32768,
      0,
      0};
  read = pads.read(16);
  ASSERT_EQ(padIds(read), std::vector{2});
  EXPECT_EQ(read[0].buttons, (std::array{false, true, false, true, false, true, true, false}));
  EXPECT_FLOAT_EQ(read[0].stickX, -1.0f);
  EXPECT_FLOAT_EQ(read[0].stickY, 1.0f);
}

TEST(XInputPads, AskAConnectedSlotAtEveryPollAndAnEmptyOneOnceASecond) {
  XInputPads pads(standInGetState);
  standInPads = {std::nullopt, XINPUT_GAMEPAD{}};
  standInAsked = {};
  for (std::uint64_t ms = 0; ms < kEmptyPadSlotPollIntervalMs; ms += 16) {
    EXPECT_EQ(padIds(pads.read(ms)), std::vector{1});
  }
  EXPECT_EQ(standInAsked, (std::array{1, 63, 1, 1}));

  // The pad removed and another plugged in: the one is gone at once and its slot then asked
  // only once a second, the other found at its slot's next asking.
  standInPads = {std::nullopt, std::nullopt, std::nullopt, XINPUT_GAMEPAD{}};
  EXPECT_TRUE(pads.read(kEmptyPadSlotPollIntervalMs - 1).empty());
  EXPECT_EQ(padIds(pads.read(kEmptyPadSlotPollIntervalMs)), std::vector{3});
  EXPECT_EQ(standInAsked, (std::array{2, 64, 2, 2}));
}

}  // namespace
