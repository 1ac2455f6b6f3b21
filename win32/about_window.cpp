#include "win32/about_window.h"

#include "design/about_window_design.h"

AboutWindow::AboutWindow(HWND owner, HINSTANCE instance, PlaySession& session, int zoom,
                         const std::string& optionsLocation)
    : DesignedWindow(aboutWindowDesign(), owner, instance, zoom), session_(session) {
  addTooltip("optionsLocation", optionsLocationTooltip(optionsLocation));
}

void AboutWindow::clicked(const ControlDesign& c) {
  if (c.kind == ControlKind::PushButton) session_.aboutClosePressed();
}

void AboutWindow::closedOtherwise() { session_.windowClosedOtherwise(SecondaryWindow::About); }
