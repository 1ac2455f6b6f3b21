#include "design/display_controller.h"

#include <algorithm>

DisplayController::DisplayController(DisplayWindow& window, const ScreenAreas& screen,
                                     DisplayStore& store)
    : window_(window), screen_(screen), store_(store) {}

int DisplayController::largestWindowZoom() const {
  const PixelRect work = screen_.workArea();
  return largestZoomFitting({work.width, work.height}, window_.designSize(), window_.frameSize());
}

int DisplayController::fullScreenZoom() const {
  const PixelRect whole = screen_.wholeScreen();
  return largestZoomFitting({whole.width, whole.height}, window_.designSize());
}

void DisplayController::restore() {
  DisplayChoice choice = store_.load();
  choice.zoom = std::min(choice.zoom, largestWindowZoom());
  choice_ = choice;
  show();
}

void DisplayController::refit() {
  choice_.zoom = std::min(choice_.zoom, largestWindowZoom());
  show();
}

void DisplayController::apply(DisplayCommand command) {
  choose(afterDisplayCommand(choice_, command, largestWindowZoom()));
}

void DisplayController::choose(DisplayChoice choice) {
  if (choice == choice_) return;
  choice_ = choice;
  show();
  store_.save(choice_);
}

std::vector<DisplayMenuEntry> DisplayController::menu() const {
  return displayMenu(choice_, largestWindowZoom());
}

void DisplayController::show() {
  if (choice_.fullScreen) {
    if (!shownFullScreen_) {
      const PixelRect frame = window_.frame();
      windowedX_ = frame.x;
      windowedY_ = frame.y;
    }
    window_.showZoomed(fullScreenZoom(), true);
    shownFullScreen_ = true;
    return;
  }
  window_.showZoomed(choice_.zoom, false);
  if (shownFullScreen_) window_.moveFrameTo(windowedX_, windowedY_);
  shownFullScreen_ = false;
  // The enlarged window grows to the right and down, perhaps off the screen.
  keepOnScreen();
}

void DisplayController::keepOnScreen() {
  const PixelRect frame = window_.frame();
  const PixelRect inside = placeInside(frame, screen_.workArea());
  if (inside.x != frame.x || inside.y != frame.y) window_.moveFrameTo(inside.x, inside.y);
}
