#include "design/display_controller.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_display_ports.h"

namespace {

using Log = std::vector<std::string>;
using Choices = std::vector<DisplayChoice>;

// The window with its frame fits the 1920 x 1040 work area at 2x, the picture the screen at 2x.
class DisplayControllerTest : public ::testing::Test {
 protected:
  FakeDisplay window;
  FakeDisplayStore store;
  DisplayController display{window, window, store};
};

TEST_F(DisplayControllerTest, TheStoredChoiceComesBackAtWhatFitsAndLeavingFullScreenGoesBack) {
  store.stored = {3, true};
  display.restore();
  EXPECT_EQ(display.choice(), (DisplayChoice{2, true}));
  EXPECT_TRUE(store.saved.empty());
  // Back where the window was before full screen, then up until its bottom edge is inside.
  display.apply(DisplayCommand::ToggleFullScreen);
  EXPECT_EQ(window.log, (Log{"full screen 2x", "window 2x", "move 100,100", "move 100,4"}));
  EXPECT_EQ(store.saved, Choices{(DisplayChoice{2, false})});
}

TEST_F(DisplayControllerTest, WhatChangesNothingIsNeitherShownNorStoredAndTheMenuGreysIt) {
  for (DisplayCommand command : {DisplayCommand::ZoomOut, DisplayCommand::ActualSize,
                                 DisplayCommand::ZoomIn, DisplayCommand::ZoomIn}) {
    display.apply(command);
  }
  EXPECT_EQ(window.log, (Log{"window 2x", "move 100,4"}));
  EXPECT_EQ(store.saved, Choices{(DisplayChoice{2, false})});
  const std::vector<DisplayMenuEntry> menu = display.menu();
  ASSERT_EQ(menu.size(), 5u);
  EXPECT_FALSE(menu[0].enabled);
  EXPECT_TRUE(menu[1].enabled && menu[3].checked);
  EXPECT_EQ(menu[2].command, DisplayCommand::ActualSize);
  display.choose(menu[2].choice);
  EXPECT_EQ(window.log.back(), "window 1x");
}

TEST_F(DisplayControllerTest, ASmallerScreenLowersTheZoomWithoutStoringIt) {
  store.stored = {2, false};
  window.work = {0, 0, 1280, 984};
  display.restore();
  EXPECT_EQ(display.choice(), (DisplayChoice{1, false}));
  window.work = {0, 0, 1920, 1040};
  display.apply(DisplayCommand::ZoomIn);
  window.work = {0, 0, 1024, 768};
  display.refit();
  EXPECT_EQ(window.log.back(), "window 1x");
  EXPECT_EQ(store.saved, Choices{(DisplayChoice{2, false})});
}

}  // namespace
