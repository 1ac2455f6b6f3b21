#pragma once

#include "play/play_control.h"
#include "win32/designed_window.h"

// The About window: Close hides it and plays on, and any other close plays on just the same.
class AboutWindow final : public DesignedWindow {
 public:
  AboutWindow(HWND owner, HINSTANCE instance, PlayControl& play);

 private:
  void clicked(const ControlDesign& control) override;
  void closedOtherwise() override;

  PlayControl& play_;
};
