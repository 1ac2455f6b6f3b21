#include "web/page_pad_reading.h"

#include <gtest/gtest.h>

namespace {

// The standard layout is played end to end (pad_test.js); a pad without it keeps only the
// buttons and stick that such pads share.
TEST(PagePadReading, APadWithoutTheStandardLayoutGivesItsFirstButtonsAndStickButNoDpad) {
  std::uint32_t pressed = 0;
  for (int button : {1, 8, 12, 13, 14, 15}) pressed |= 1u << button;
  const PadReading reading = padReadingOf({4, 0, pressed, 1.0f, -3.0f});
  PadReading expected;
  expected[PadButton::East] = true;
  expected[PadButton::Back] = true;
  EXPECT_EQ(reading.padId, 4);
  EXPECT_EQ(reading.buttons, expected.buttons);
  EXPECT_FLOAT_EQ(reading.stickX, 1.0f);
  EXPECT_FLOAT_EQ(reading.stickY, -1.0f);
}

}  // namespace
