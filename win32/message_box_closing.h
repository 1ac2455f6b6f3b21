#pragma once

#include <windows.h>

// Closes the system's message box that this thread shows over owner, as its OK button does;
// false when there is none.
bool closeMessageBoxOf(HWND owner);
