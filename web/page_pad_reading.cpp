#include "web/page_pad_reading.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr std::pair<PadButton, int> kStandardButtons[] = {
    {PadButton::South, 0},     {PadButton::East, 1},      {PadButton::Back, 8},
    {PadButton::Start, 9},     {PadButton::DpadUp, 12},   {PadButton::DpadDown, 13},
    {PadButton::DpadLeft, 14}, {PadButton::DpadRight, 15}};
// A pad the browser has no layout for keeps its own numbering, but most such pads (the common
// USB pads, a DualShock 4 under Linux) still give the first two face buttons as 0 and 1, Select
// and Start as 8 and 9, and the left stick as axes 0 and 1, so those are read the same way: a
// pad that puts something else there can at worst pause or open the options, as no pad button
// quits. Their d-pad is a hat on axes whose numbers differ from pad to pad: it is left out, and
// the stick steers.
constexpr int kButtonsWithoutMapping = 4;

float axisOf(float value) { return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f; }

}  // namespace

PadReading padReadingOf(const PagePad& pad) {
  PadReading reading;
  reading.padId = pad.index;
  const int known = pad.standardMapping != 0 ? static_cast<int>(std::size(kStandardButtons))
                                             : kButtonsWithoutMapping;
  for (int i = 0; i < known; ++i) {
    const auto [button, bit] = kStandardButtons[i];
    reading[button] = (pad.pressedButtons >> bit & 1u) != 0;
  }
  reading.stickX = axisOf(pad.axisX);
  reading.stickY = axisOf(pad.axisY);
  return reading;
}
