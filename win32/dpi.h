#pragma once

#include <windows.h>

// The resolution a window is drawn at. Windows before 10 (1607) have no per-window resolution:
// there the system's own is used, which is 96 unless the user chose larger text.
UINT dpiForWindow(HWND window);
UINT systemDpi();

// The outer rectangle for a client rectangle, with the frame the system draws at that
// resolution.
RECT outerForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi);
