#pragma once

#include <windows.h>

// Registers one of the game's window classes: the arrow cursor, and the button face behind it
// unless it paints all of itself; the icon only for the game's top-level windows.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         bool buttonFace, bool withIcon);

// The object a window of the game's classes was created for: handed over at its creation
// (lpCreateParams) and kept in its user data; none for the few messages before that.
template <typename T>
T* windowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
