#pragma once

#include <string>
#include <vector>

#include "design/display_controller.h"

// The main window of a 492 x 498 design on one screen: its frame adds 10 x 40 pixels in a window
// and nothing full screen. Every showing and move is recorded in order.
class FakeDisplay : public DisplayWindow, public ScreenAreas {
 public:
  PixelRect whole{0, 0, 1920, 1080};
  PixelRect work{0, 0, 1920, 1040};
  PixelRect place{100, 100, 502, 538};
  bool fullScreen = false;
  std::vector<std::string> log;

  PixelRect wholeScreen() const override { return whole; }
  PixelRect workArea() const override { return work; }
  PixelSize designSize() const override { return {492, 498}; }
  PixelSize frameSize() const override { return fullScreen ? PixelSize{} : PixelSize{10, 40}; }
  PixelRect frame() const override { return place; }
  void moveFrameTo(int x, int y) override {
    place = {x, y, place.width, place.height};
    log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void showZoomed(int zoom, bool full) override {
    fullScreen = full;
    place = full ? whole : PixelRect{place.x, place.y, 492 * zoom + 10, 498 * zoom + 40};
    log.push_back((full ? "full screen " : "window ") + std::to_string(zoom) + "x");
  }
};

class FakeDisplayStore : public DisplayStore {
 public:
  DisplayChoice stored;
  std::vector<DisplayChoice> saved;
  DisplayChoice load() override { return stored; }
  void save(const DisplayChoice& choice) override { saved.push_back(stored = choice); }
};
