#pragma once

#include "play/options_behaviour.h"
#include "win32/designed_window.h"

// The options window: each Set button applies its one option, Resume Game hides the window and
// plays on, and any other close plays on just the same.
class OptionsWindow final : public DesignedWindow {
 public:
  OptionsWindow(HWND owner, HINSTANCE instance, OptionsBehaviour behaviour, int zoom);

 private:
  // What the option's slider or check box holds: the slider's value, or 1 or 0.
  int choiceOf(const options::Option& option) const;
  void loadChoices();
  void showValue(const options::Option& option);

  void clicked(const ControlDesign& control) override;
  void scrolled(const ControlDesign& control) override;
  void closedOtherwise() override;

  OptionsBehaviour behaviour_;
};
