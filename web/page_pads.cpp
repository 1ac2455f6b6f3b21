#include "web/page_pads.h"

#include <array>

#include "web/page.h"
#include "web/page_pad_reading.h"

namespace {

// The Gamepad API's own list holds four in Chromium and grows as needed in Firefox.
constexpr int kMostPads = 8;

}  // namespace

PadReadings PagePads::read() {
  std::array<PagePad, kMostPads> pads{};
  const int count = pagePads(pads.data(), kMostPads);
  PadReadings readings;
  bool pressed = false;
  for (int i = 0; i < count && i < kMostPads; ++i) {
    readings.push_back(padReadingOf(pads[static_cast<std::size_t>(i)]));
    pressed = pressed || pads[static_cast<std::size_t>(i)].pressedButtons != 0;
  }
  if (pressed && !anyPressed_) pageUnlockSound();
  anyPressed_ = pressed;
  return readings;
}
