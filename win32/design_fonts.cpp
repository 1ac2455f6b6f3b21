#include "win32/design_fonts.h"

#include "win32/scaled_design.h"

namespace {

HFONT makeFont(FontRole role, int dpi) {
  const bool serif = role == FontRole::Location;
  return CreateFontW(
      fontHeightForDpi(fontPoints(role), dpi), 0, 0, 0, FW_NORMAL, FALSE, role == FontRole::Number,
      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | (serif ? FF_ROMAN : FF_SWISS), serif ? L"MS Serif" : L"MS Sans Serif");
}

}  // namespace

DesignFonts::DesignFonts(int dpi) {
  for (FontRole role : {FontRole::Default, FontRole::Number, FontRole::Location}) {
    fonts_[static_cast<size_t>(role)] = makeFont(role, dpi);
  }
}

DesignFonts::~DesignFonts() {
  for (HFONT font : fonts_) {
    if (font) DeleteObject(font);
  }
}

COLORREF toColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

void drawLabel(HDC dc, RECT box, std::wstring_view text, COLORREF back, COLORREF fore, HFONT font,
               bool wraps) {
  HBRUSH brush = CreateSolidBrush(back);
  FillRect(dc, &box, brush);
  DeleteObject(brush);
  HGDIOBJ previousFont = SelectObject(dc, font);
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(dc, fore);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box,
            DT_LEFT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SetTextColor(dc, previousColour);
  SetBkMode(dc, previousMode);
  SelectObject(dc, previousFont);
}

int textWidth(HDC dc, std::wstring_view text, HFONT font) {
  HGDIOBJ previousFont = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previousFont);
  return size.cx;
}
