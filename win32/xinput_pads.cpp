#include "win32/xinput_pads.h"

#include <algorithm>

#include "win32/system_library.h"

namespace {

constexpr float kStickTravel = 32767.0f;

// A stick's full travel left or down, -32768, is a little past -1.
float stickAxis(SHORT value) {
  return std::clamp(static_cast<float>(value) / kStickTravel, -1.0f, 1.0f);
}

}  // namespace

XInputGetStateFunction windowsXInputGetState() {
  for (const wchar_t* library : {L"xinput1_4.dll", L"xinput9_1_0.dll"}) {
    if (const auto getState =
            systemLibraryFunction<XInputGetStateFunction>(library, "XInputGetState")) {
      return getState;
    }
  }
  return nullptr;
}

PadReading padReadingOf(int userIndex, const XINPUT_GAMEPAD& gamepad) {
  PadReading pad;
  pad.padId = userIndex;
  const auto held = [&](WORD button) { return (gamepad.wButtons & button) != 0; };
  pad[PadButton::South] = held(XINPUT_GAMEPAD_A);
  pad[PadButton::East] = held(XINPUT_GAMEPAD_B);
  pad[PadButton::Back] = held(XINPUT_GAMEPAD_BACK);
  pad[PadButton::Start] = held(XINPUT_GAMEPAD_START);
  pad[PadButton::DpadUp] = held(XINPUT_GAMEPAD_DPAD_UP);
  pad[PadButton::DpadDown] = held(XINPUT_GAMEPAD_DPAD_DOWN);
  pad[PadButton::DpadLeft] = held(XINPUT_GAMEPAD_DPAD_LEFT);
  pad[PadButton::DpadRight] = held(XINPUT_GAMEPAD_DPAD_RIGHT);
  pad.stickX = stickAxis(gamepad.sThumbLX);
  // XInput's y grows upwards.
  pad.stickY = -stickAxis(gamepad.sThumbLY);
  return pad;
}

PadReadings XInputPads::read(std::uint64_t nowMs) {
  if (!loaded_) {
    getState_ = windowsXInputGetState();
    loaded_ = true;
  }
  PadReadings pads;
  if (!getState_) return pads;
  for (size_t index = 0; index < slots_.size(); ++index) {
    Slot& slot = slots_[index];
    if (!slot.connected && slot.askedAtMs &&
        nowMs - *slot.askedAtMs < kEmptyPadSlotPollIntervalMs) {
      continue;
    }
    slot.askedAtMs = nowMs;
    XINPUT_STATE state{};
    // ERROR_DEVICE_NOT_CONNECTED, and any other failure, is a slot without a pad.
    slot.connected = getState_(static_cast<DWORD>(index), &state) == ERROR_SUCCESS;
    if (slot.connected) pads.push_back(padReadingOf(static_cast<int>(index), state.Gamepad));
  }
  return pads;
}
