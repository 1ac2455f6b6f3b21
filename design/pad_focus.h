#pragma once

#include <string>
#include <string_view>

#include "design/window_design.h"
#include "play/pad_input.h"

// What a pad's action does among a window's controls, in the designed keyboard order: up and
// down move the focus to the previous and next control, wrapping round as Tab does; left and
// right step a focused slider by one, and move the focus elsewhere; a press is the focused
// button's or box's, as Space's is.
struct PadFocusStep {
  enum class Kind { None, Focus, StepSlider, Press };
  Kind kind = Kind::None;
  // The control to focus, by its designed name.
  std::string control{};
  // -1 or 1.
  int sliderStep = 0;
};

// focused is the designed name of the control that has the focus, or empty when none has.
PadFocusStep padFocusStep(const WindowDesign& design, std::string_view focused,
                          PadWindowAction action);
