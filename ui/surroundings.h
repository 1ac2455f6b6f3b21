#pragma once

#include <QtGlobal>
#include <string>

// Descriptors 0 to 2 that are closed at start are opened on /dev/null, so that no file or
// connection the game opens later takes their place and receives its stderr; a pipe whose reader
// has gone, or a limit on the size of a file, never ends the game. Called first thing, before
// anything opens a file.
void secureStandardStreams();

// While it lives (around making the QApplication), a window system that cannot be reached ends
// the program with one line on stderr naming the display it tried, and status 1, instead of Qt's
// advice and abort. What Qt says meanwhile is held back and passed on once the display is open.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

 private:
  QtMessageHandler previous_;
};

// The display a window system started now would try, as the line names it: the display ":1",
// the Wayland display "wayland-0", or none when DISPLAY is not set.
std::string displayToTry();
