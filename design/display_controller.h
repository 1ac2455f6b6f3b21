#pragma once

#include <vector>

#include "design/display_rules.h"
#include "design/display_store.h"

// The screen the main window lies on, in the screen's pixels: all of it, and the work area that
// a window may take (without the task bars).
class ScreenAreas {
 public:
  virtual ~ScreenAreas() = default;
  virtual PixelRect wholeScreen() const = 0;
  virtual PixelRect workArea() const = 0;
};

// The main window as the display controller moves it.
class DisplayWindow {
 public:
  virtual ~DisplayWindow() = default;
  // The client area at 1x, in the screen's pixels.
  virtual PixelSize designSize() const = 0;
  // What the frame adds to the client area, as far as the platform knows it.
  virtual PixelSize frameSize() const = 0;
  // Where the frame lies on the screen, and a move of its top-left corner.
  virtual PixelRect frame() const = 0;
  virtual void moveFrameTo(int x, int y) = 0;
  // The picture enlarged by zoom: in a window of its size that stays where it is, or covering the
  // whole screen without a frame, centred between black bars (fullScreenPicture, blackBars).
  virtual void showZoomed(int zoom, bool fullScreen) = 0;
};

// How large the player sees the main window: restores the stored choice at start-up, applies the
// zoom and full-screen commands and the menu's choices, stores each new choice, keeps the window
// on the screen and brings it back to where it was before full screen.
class DisplayController {
 public:
  DisplayController(DisplayWindow& window, const ScreenAreas& screen, DisplayStore& store);

  // The choice the player last left, at a zoom that still fits; not stored again.
  void restore();
  void apply(DisplayCommand command);
  void choose(DisplayChoice choice);
  // The screen or its resolution changed: the same choice, at what fits there now.
  void refit();

  // The right-click menu for the choice shown now.
  std::vector<DisplayMenuEntry> menu() const;
  const DisplayChoice& choice() const { return choice_; }
  // The largest whole factor at which the window, with its frame, fits the work area.
  int largestWindowZoom() const;
  // The largest whole factor at which the picture fits the whole screen.
  int fullScreenZoom() const;

 private:
  void show();
  void keepOnScreen();

  DisplayWindow& window_;
  const ScreenAreas& screen_;
  DisplayStore& store_;
  DisplayChoice choice_;
  bool shownFullScreen_ = false;
  // The frame's top-left corner before the window went full screen.
  int windowedX_ = 0;
  int windowedY_ = 0;
};
