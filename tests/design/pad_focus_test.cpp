#include "design/pad_focus.h"

#include <gtest/gtest.h>

#include "design/about_window_design.h"
#include "design/options_window_design.h"

namespace {

using Kind = PadFocusStep::Kind;

std::string focusAfter(std::string_view focused, PadWindowAction action) {
  const PadFocusStep step = padFocusStep(optionsWindowDesign(), focused, action);
  EXPECT_EQ(step.kind, Kind::Focus);
  return step.control;
}

TEST(PadFocus, UpAndDownWalkTheDesignedKeyboardOrderAndWrapRound) {
  EXPECT_EQ(focusAfter("setProgressionButton", PadWindowAction::FocusDown), "resumeButton");
  EXPECT_EQ(focusAfter("resumeButton", PadWindowAction::FocusDown), "progressionSlider");
  EXPECT_EQ(focusAfter("jumpSlider", PadWindowAction::FocusDown), "cratesBox");
  EXPECT_EQ(focusAfter("setMusicButton", PadWindowAction::FocusDown), "setProgressionButton");
  EXPECT_EQ(focusAfter("setProgressionButton", PadWindowAction::FocusUp), "setMusicButton");
  EXPECT_EQ(focusAfter("cratesBox", PadWindowAction::FocusUp), "jumpSlider");
  // With no control focused, down starts at the first and up at the last.
  EXPECT_EQ(focusAfter("", PadWindowAction::FocusDown), "setProgressionButton");
  EXPECT_EQ(focusAfter("", PadWindowAction::FocusUp), "setMusicButton");
}

TEST(PadFocus, LeftAndRightStepAFocusedSliderAndElseMoveTheFocus) {
  const PadFocusStep left =
      padFocusStep(optionsWindowDesign(), "jumpSlider", PadWindowAction::Left);
  EXPECT_EQ(left.kind, Kind::StepSlider);
  EXPECT_EQ(left.sliderStep, -1);
  EXPECT_EQ(padFocusStep(optionsWindowDesign(), "jumpSlider", PadWindowAction::Right).sliderStep,
            1);
  EXPECT_EQ(focusAfter("cratesBox", PadWindowAction::Right), "setCratesButton");
  EXPECT_EQ(focusAfter("cratesBox", PadWindowAction::Left), "jumpSlider");
}

TEST(PadFocus, APressIsTheFocusedControlsAndCloseIsNoneOfTheirs) {
  EXPECT_EQ(padFocusStep(optionsWindowDesign(), "musicBox", PadWindowAction::Press).kind,
            Kind::Press);
  EXPECT_EQ(padFocusStep(optionsWindowDesign(), "", PadWindowAction::Press).kind, Kind::None);
  EXPECT_EQ(padFocusStep(optionsWindowDesign(), "jumpSlider", PadWindowAction::Press).kind,
            Kind::None);
  EXPECT_EQ(padFocusStep(optionsWindowDesign(), "musicBox", PadWindowAction::Close).kind,
            Kind::None);
  // The About window's one button keeps the focus whichever way the pad moves.
  const PadFocusStep about = padFocusStep(aboutWindowDesign(), "", PadWindowAction::FocusDown);
  ASSERT_EQ(about.kind, Kind::Focus);
  EXPECT_EQ(padFocusStep(aboutWindowDesign(), about.control, PadWindowAction::Right).control,
            about.control);
}

}  // namespace
