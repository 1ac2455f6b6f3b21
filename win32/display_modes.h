#pragma once

#include <windows.h>

#include "design/display_rules.h"
#include "win32/registry_display_store.h"

class MainWindow;

// How large the player sees the main window: Ctrl+Plus and Ctrl+Minus step its zoom through
// whole factors up to the largest at which it fits its monitor's work area, Ctrl+0 goes back to
// 1x, F11 and Alt+Enter switch full screen, and a right click on the window offers the same in
// a menu. The choice is kept in the registry.
class DisplayModes {
 public:
  DisplayModes(MainWindow& window, RegistryDisplayStore& store);

  // Shows the window as the player last left it; a zoom that no longer fits takes the largest
  // that does.
  void restore();
  void apply(DisplayCommand command);
  // The menu at that point of the screen.
  void showMenu(POINT at);
  // The window's resolution changed: the same choice, at what fits there now.
  void refit();

  // The largest whole factor at which the window, with its frame, fits the work area.
  int largestWindowZoom() const;
  // The largest whole factor at which the picture fits the whole monitor.
  int fullScreenZoom() const;

 private:
  void show(DisplayChoice choice);
  void present();

  MainWindow& window_;
  RegistryDisplayStore& store_;
  DisplayChoice choice_;
};
