#pragma once

#include <string>

#include "design/twips.h"
#include "design/window_design.h"
#include "game/playfield.h"
#include "web/page_fonts.h"

// A label of the main window as it stands: the design it was made from and what the game has
// changed of it since.
struct PageLabel {
  const ControlDesign* design = nullptr;
  std::string caption;
  Rgb back;
  Rgb fore;
  bool visible = true;
};

// The system's colours on the page, as the Linux build has them.
inline constexpr Rgb kButtonFace{239, 239, 239};
inline constexpr Rgb kButtonText{0, 0, 0};

constexpr int toPageColour(Rgb c) { return c.red << 16 | c.green << 8 | c.blue; }

// Draws the label in its rectangle on the current canvas, in device pixels at that scale: its
// back colour, then its caption broken into lines at word boundaries by the game's own rule,
// clipped to the rectangle; a label designed to grow with its caption does.
void drawPageLabel(const PageLabel& label, PixelRect place, int scale, PageFonts& fonts);
