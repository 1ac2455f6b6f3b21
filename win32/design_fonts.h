#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "design/caption_fit.h"
#include "design/window_design.h"

// The designed fonts of a window (design/font_design.h), made for its resolution in the first of
// each role's faces that the system has, a stand-in at the size that shows every caption whole.
class DesignFonts {
 public:
  explicit DesignFonts(int dpi);
  ~DesignFonts();
  DesignFonts(const DesignFonts&) = delete;
  DesignFonts& operator=(const DesignFonts&) = delete;

  // Made when first asked for: a font that no window of the game shows is never measured.
  HFONT font(FontRole role) const;

 private:
  int dpi_;
  mutable std::array<HFONT, 3> fonts_{};
};

COLORREF toColorRef(Rgb colour);

// A label as the game's windows show it: its back colour filled behind the text, the text in the
// fore colour, left-aligned, wrapped at word boundaries inside the box unless told otherwise, and
// cut off at the box's edges.
void drawLabel(HDC dc, RECT box, std::wstring_view text, COLORREF back, COLORREF fore, HFONT font,
               bool wraps);

// How wide the text is on one line in that font.
int textWidth(HDC dc, std::wstring_view text, HFONT font);

// The font as GDI measures the labels drawn in it on that device (drawLabel): the lines a label
// shows are the font's height apart.
FontMeasure gdiMeasure(HDC dc, HFONT font);
