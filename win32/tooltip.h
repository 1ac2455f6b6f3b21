#pragma once

#include <windows.h>

#include <string_view>

// A tooltip over a child window, made by and for its parent; the text is shown as it stands.
// A static control shows it only with SS_NOTIFY: without, the mouse passes through it.
HWND addTooltip(HWND parent, HWND control, HINSTANCE instance, std::string_view text);
