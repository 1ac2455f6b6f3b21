#pragma once

// Makes the common controls ready before a window uses one: the options window's trackbar, the
// credit banner's tooltip, and the themed buttons and labels of Common Controls 6 in the options
// and About windows and the message boxes. The main window shows none of them, so the library
// is loaded with the first that needs it, after the main window is on the screen. False when they
// could not be made ready.
bool useCommonControls();
