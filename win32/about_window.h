#pragma once

#include <string>

#include "play/play_control.h"
#include "win32/designed_window.h"

// The About window: Close hides it and plays on, and any other close plays on just the same.
class AboutWindow final : public DesignedWindow {
 public:
  // optionsLocation: where the options are kept, which the line naming the key tells on hover.
  AboutWindow(HWND owner, HINSTANCE instance, PlayControl& play, int zoom,
              const std::string& optionsLocation);

 private:
  void clicked(const ControlDesign& control) override;
  void closedOtherwise() override;

  PlayControl& play_;
};
