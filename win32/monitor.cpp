#include "win32/monitor.h"

#include "design/display_rules.h"

MonitorAreas monitorAreas(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    // No monitor at all: the primary screen's measures stand in.
    const PixelRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {screen, screen};
  }
  return {toPixelRect(info.rcMonitor), toPixelRect(info.rcWork)};
}

void keepInsideWorkArea(HWND window) {
  RECT frame{};
  if (!GetWindowRect(window, &frame)) return;
  const PixelRect now = toPixelRect(frame);
  const PixelRect inside = placeInside(now, monitorAreas(window).work);
  if (inside.x != now.x || inside.y != now.y) {
    SetWindowPos(window, nullptr, inside.x, inside.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
