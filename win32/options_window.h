#pragma once

#include "play/play_session.h"
#include "win32/designed_window.h"

// The options window: a slider or check box for each option with its Set button, and Resume
// Game, loaded with the session's choices when it is made; its buttons and closes go to the
// session.
class OptionsWindow final : public DesignedWindow {
 public:
  OptionsWindow(HWND owner, HINSTANCE instance, PlaySession& session, int zoom);

 private:
  // What the option's slider or check box holds: the slider's value, or 1 or 0.
  int choiceOf(const options::Option& option) const;
  void loadChoices();
  void showValue(const options::Option& option);

  void clicked(const ControlDesign& control) override;
  void scrolled(const ControlDesign& control) override;
  void closedOtherwise() override;

  PlaySession& session_;
};
