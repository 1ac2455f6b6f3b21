#pragma once

#include <windows.h>

#include "design/display_controller.h"
#include "design/twips.h"

// The monitor a window lies on, or the nearest one: its whole area, and its work area without
// the task bar, in screen pixels.
struct MonitorAreas {
  PixelRect whole;
  PixelRect work;
};
MonitorAreas monitorAreas(HWND window);

// The monitor of a window, once it is made, as the display controller asks for it.
class WindowMonitor final : public ScreenAreas {
 public:
  explicit WindowMonitor(const HWND& window) : window_(window) {}
  PixelRect wholeScreen() const override { return monitorAreas(window_).whole; }
  PixelRect workArea() const override { return monitorAreas(window_).work; }

 private:
  const HWND& window_;
};

// Moves a top-level window so that its frame lies inside its monitor's work area, as far as it
// can: a window larger than the area keeps its title bar inside it.
void keepInsideWorkArea(HWND window);

constexpr PixelRect toPixelRect(RECT r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
constexpr RECT toRect(PixelRect r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }
