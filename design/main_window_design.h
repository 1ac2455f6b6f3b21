#pragma once

#include <string_view>

#include "design/window_design.h"

// The playfield: a sunken panel whose border takes 2 pixels on each side; its inner area is
// addressed in playfield units, 1000 x 1000 over the whole of it whatever its size in pixels.
constexpr int kPlayfieldBorderPx = 2;
constexpr int kPlayfieldUnits = 1000;

// The main window: the playfield with the labels that lie on it, the score below it, the credit
// banner that opens the About window, and the three timers that drive the game.
const WindowDesign& mainWindowDesign();

// The playfield panel and its inner area, in pixels of the client area at 1x.
PixelRect playfieldPixels();
PixelRect playfieldInnerPixels();
// Pixels per playfield unit across and down: the playfield is not square on screen.
double playfieldPixelsPerUnitX();
double playfieldPixelsPerUnitY();

// The object name of a label the game changes at run time.
std::string_view labelName(LabelId label);

// The name of the game picture the game paints for each of its pictures.
std::string_view pictureName(Picture picture);
