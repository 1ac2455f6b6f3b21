#include "win32/window_class.h"

void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         bool buttonFace, bool withIcon) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (buttonFace) c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (withIcon) c.hIcon = LoadIconW(instance, L"APPICON");
  c.lpszClassName = name;
  RegisterClassExW(&c);
}
