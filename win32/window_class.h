#pragma once

#include <windows.h>

// Registers one of the game's window classes: the arrow cursor, and the button face behind it
// unless it paints all of itself; the icon only for the game's top-level windows.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         bool buttonFace, bool withIcon);
