#pragma once

#include <string>

#include "play/play_session.h"
#include "win32/designed_window.h"

// The About window; its Close button and closes go to the session.
class AboutWindow final : public DesignedWindow {
 public:
  // optionsLocation: where the options are kept, which the line naming the key tells on hover.
  AboutWindow(HWND owner, HINSTANCE instance, PlaySession& session, int zoom,
              const std::string& optionsLocation);

 private:
  void clicked(const ControlDesign& control) override;
  void closedOtherwise() override;

  PlaySession& session_;
};
