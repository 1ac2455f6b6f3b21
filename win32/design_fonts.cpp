#include "win32/design_fonts.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "design/caption_fit.h"
#include "design/word_wrap.h"
#include "win32/scaled_design.h"
#include "win32/utf16.h"

namespace {

// MS Sans Serif and MS Serif are bitmap fonts: they draw the windows exactly as designed at
// 96 dpi, but at any other resolution (a denser screen, or zoomed) Windows can only enlarge their
// pixels, or not enlarge them at all. There the design's outline faces draw the text at the
// screen's own resolution.
bool systemHasFace(std::wstring_view face) {
  const std::wstring name(face);
  HFONT font =
      CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, name.c_str());
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  wchar_t chosen[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, chosen);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return lstrcmpiW(chosen, name.c_str()) == 0;
}

bool loadEmbeddedSans() {
  HRSRC resource = FindResourceW(nullptr, L"FALLBACKSANS", RT_RCDATA);
  HGLOBAL data = resource ? LoadResource(nullptr, resource) : nullptr;
  if (!data) return false;
  DWORD installed = 0;
  return AddFontMemResourceEx(LockResource(data), SizeofResource(nullptr, resource), nullptr,
                              &installed) != nullptr;
}

// What the system has is looked at once for each face, when first needed: at 96 dpi with the
// bitmap faces present, nothing else is looked for.
bool hasFace(const FaceDesign& face) {
  static std::map<std::string_view, bool> known;
  const auto found = known.find(face.family);
  if (found != known.end()) return found->second;
  const bool has =
      face.kind == FaceKind::Embedded ? loadEmbeddedSans() : systemHasFace(toUtf16(face.family));
  known.emplace(face.family, has);
  return has;
}

HFONT makeFont(FontRole role, const FaceDesign& face, double points, int dpi) {
  const FontDesign& design = fontDesign(role);
  const std::wstring family = toUtf16(face.family);
  return CreateFontW(-fontPixels(points, dpi), 0, 0, 0, FW_NORMAL, FALSE, design.underline, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | (design.serif ? FF_ROMAN : FF_SWISS), family.c_str());
}

// The size a face stands in at, measured by GDI as the labels draw it; once for each resolution.
double standInPoints(FontRole role, const FaceDesign& face, int dpi) {
  static std::map<std::tuple<FontRole, std::string_view, int>, double> known;
  const auto key = std::make_tuple(role, face.family, dpi);
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  HDC screen = GetDC(nullptr);
  std::vector<HFONT> made;
  const auto measureAt = [&](double points) {
    HFONT font = makeFont(role, face, points, dpi);
    made.push_back(font);
    return gdiMeasure(screen, font);
  };
  const double points = fittedPoints(role, face, dpi, measureAt);
  for (HFONT font : made) DeleteObject(font);
  ReleaseDC(nullptr, screen);
  known.emplace(key, points);
  return points;
}

}  // namespace

DesignFonts::DesignFonts(int dpi) : dpi_(dpi) {}

HFONT DesignFonts::font(FontRole role) const {
  HFONT& font = fonts_[static_cast<size_t>(role)];
  if (!font) {
    const FaceDesign& face = chosenFace(role, dpi_, hasFace);
    font = makeFont(role, face, standInPoints(role, face, dpi_), dpi_);
  }
  return font;
}

DesignFonts::~DesignFonts() {
  for (HFONT font : fonts_) {
    if (font) DeleteObject(font);
  }
}

FontMeasure gdiMeasure(HDC dc, HFONT font) {
  TEXTMETRICW metrics{};
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  return {.width = [dc, font](std::string_view text) { return textWidth(dc, toUtf16(text), font); },
          .ascent = metrics.tmAscent,
          .lineHeight = metrics.tmHeight};
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
  if (wraps) {
    // The lines are broken by the game's own rule, so that Wine breaks them where Windows does.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const auto widthOf = [dc, text](std::size_t start, std::size_t length) {
      SIZE size{};
      GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(length), &size);
      return static_cast<int>(size.cx);
    };
    int top = box.top;
    for (const WrappedLine& line : wrapAtWords(text, box.right - box.left, widthOf)) {
      if (top >= box.bottom) break;
      ExtTextOutW(dc, box.left, top, ETO_CLIPPED, &box, text.data() + line.start,
                  static_cast<UINT>(line.length), nullptr);
      top += metrics.tmHeight;
    }
  } else {
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
  }
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
