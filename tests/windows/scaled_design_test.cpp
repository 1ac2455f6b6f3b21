#include "win32/scaled_design.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "design/about_window_design.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "win32/key_routing.h"

namespace {

constexpr int kDoubleDpi = 192;
constexpr int kOneAndAHalfDpi = 144;

TEST(ScaledDesign, AtNinetySixDpiEveryWindowIsLaidOutInItsDesignedPixels) {
  EXPECT_EQ(scaledClient(mainWindowDesign(), kDesignDpi), (PixelRect{24, 40, 492, 498}));
  EXPECT_EQ(scaledClient(optionsWindowDesign(), kDesignDpi), (PixelRect{291, 248, 351, 276}));
  EXPECT_EQ(scaledClient(aboutWindowDesign(), kDesignDpi), (PixelRect{0, 0, 312, 289}));
  const WindowDesign& main = mainWindowDesign();
  EXPECT_EQ(scaledControl(main.control("playfield"), kDesignDpi), (PixelRect{7, 7, 476, 450}));
  EXPECT_EQ(scaledControl(main.control("creditBanner"), kDesignDpi),
            (PixelRect{164, 465, 165, 28}));
  // A label on the playfield is placed in its inner area, where the playfield draws it.
  EXPECT_EQ(scaledControl(main.control("startPrompt"), kDesignDpi), (PixelRect{162, 105, 169, 29}));
  EXPECT_EQ(scaledControl(optionsWindowDesign().control("setJumpButton"), kDesignDpi),
            (PixelRect{140, 84, 57, 22}));
}

TEST(ScaledDesign, AtDoubleDpiEveryDesignPixelBecomesTwoByTwo) {
  for (const WindowDesign* window :
       {&mainWindowDesign(), &optionsWindowDesign(), &aboutWindowDesign()}) {
    for (const ControlDesign& c : window->controls) {
      const PixelRect at96 = scaledControl(c, kDesignDpi);
      EXPECT_EQ(scaledControl(c, kDoubleDpi),
                (PixelRect{2 * at96.x, 2 * at96.y, 2 * at96.width, 2 * at96.height}))
          << window->name << " " << c.name;
    }
  }
  EXPECT_EQ(scaledClient(mainWindowDesign(), kDoubleDpi), (PixelRect{48, 80, 984, 996}));
}

TEST(ScaledDesign, ControlsThatTouchAtNinetySixDpiStillTouchAtOneAndAHalf) {
  // Scaling by edges: the right edge of one equals the left edge of the next, whatever rounding
  // each would take on its own.
  const PixelRect left = scaledRect({0, 0, 3, 1}, kOneAndAHalfDpi);
  const PixelRect right = scaledRect({3, 0, 3, 1}, kOneAndAHalfDpi);
  EXPECT_EQ(left.x + left.width, right.x);
  EXPECT_EQ(left.width + right.width, scaledPixels(6, kOneAndAHalfDpi));
}

TEST(KeyRouting, OnlyTheKeysAControlActsOnAreTheControls) {
  EXPECT_TRUE(controlUsesKey(ControlKind::PushButton, VirtualKey::Space));
  EXPECT_TRUE(controlUsesKey(ControlKind::CheckBox, VirtualKey::Space));
  EXPECT_FALSE(controlUsesKey(ControlKind::PushButton, VirtualKey::Backspace));
  EXPECT_TRUE(controlUsesKey(ControlKind::Slider, VirtualKey::Left));
  EXPECT_FALSE(controlUsesKey(ControlKind::Slider, VirtualKey::Space));
  // F1 and Escape belong to the game wherever they are pressed.
  EXPECT_FALSE(controlUsesKey(ControlKind::PushButton, VirtualKey::F1));
  EXPECT_FALSE(controlUsesKey(ControlKind::Slider, VirtualKey::Escape));
  EXPECT_EQ(gameKey(0x70), VirtualKey::F1);
  EXPECT_EQ(gameKey(0x0D), std::nullopt);  // Enter is never polled
}

TEST(KeyRouting, DisplayKeysNeedTheirModifiersAndAltGrZoomsNothing) {
  using C = DisplayCommand;
  EXPECT_EQ(displayCommand(VK_OEM_PLUS, true, false), C::ZoomIn);
  EXPECT_EQ(displayCommand(VK_ADD, true, false), C::ZoomIn);
  EXPECT_EQ(displayCommand(VK_SUBTRACT, true, false), C::ZoomOut);
  EXPECT_EQ(displayCommand('0', true, false), C::ActualSize);
  EXPECT_EQ(displayCommand(VK_F11, false, false), C::ToggleFullScreen);
  EXPECT_EQ(displayCommand(VK_RETURN, false, true), C::ToggleFullScreen);
  for (const auto& [key, ctrl, alt] :
       {std::tuple{VK_OEM_PLUS, false, false}, std::tuple{VK_OEM_PLUS, true, true},
        std::tuple{0x30, false, false}, std::tuple{VK_RETURN, false, false},
        std::tuple{VK_RETURN, true, true}, std::tuple{VK_F11, true, false}}) {
    EXPECT_EQ(displayCommand(static_cast<unsigned int>(key), ctrl, alt), std::nullopt)
        << key << ctrl << alt;
  }
}

}  // namespace
