#include "win32/about_window.h"

#include "design/about_window_design.h"

AboutWindow::AboutWindow(HWND owner, HINSTANCE instance, PlayControl& play, int zoom,
                         const std::string& optionsLocation)
    : DesignedWindow(aboutWindowDesign(), owner, instance, zoom), play_(play) {
  addTooltip("optionsLocation", optionsLocationTooltip(optionsLocation));
}

void AboutWindow::clicked(const ControlDesign& c) {
  if (c.kind != ControlKind::PushButton) return;
  hide();
  play_.closeAbout();
}

void AboutWindow::closedOtherwise() { play_.closeAbout(); }
