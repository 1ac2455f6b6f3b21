#include "win32/about_window.h"

#include "design/about_window_design.h"

AboutWindow::AboutWindow(HWND owner, HINSTANCE instance, PlayControl& play)
    : DesignedWindow(aboutWindowDesign(), owner, instance), play_(play) {}

void AboutWindow::clicked(const ControlDesign& c) {
  if (c.kind != ControlKind::PushButton) return;
  hide();
  play_.closeAbout();
}

void AboutWindow::closedOtherwise() { play_.closeAbout(); }
