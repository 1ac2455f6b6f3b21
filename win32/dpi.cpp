#include "win32/dpi.h"

#include "win32/scaled_design.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Looked up once: the functions are missing from Windows 7's user32.
template <typename Fn>
Fn user32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

UINT dpiForWindow(HWND window) {
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return dpi;
  }
  return systemDpi();
}

RECT outerForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi) {
  static const auto adjustForDpi = user32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT outer = client;
  if (adjustForDpi) {
    adjustForDpi(&outer, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return outer;
}
