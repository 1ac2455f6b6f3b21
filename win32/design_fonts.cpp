#include "win32/design_fonts.h"

#include "design/word_wrap.h"
#include "win32/scaled_design.h"

namespace {

// MS Sans Serif and MS Serif are bitmap fonts: they draw the windows exactly as designed at
// 96 dpi, but at any other resolution (a denser screen, or zoomed) Windows can only enlarge their
// pixels, or not enlarge them at all. There the text is drawn in an outline font at the screen's
// own resolution.
constexpr wchar_t kSansFace[] = L"MS Sans Serif";
// The outline twin of MS Sans Serif that Windows has.
constexpr wchar_t kOutlineSansFace[] = L"Microsoft Sans Serif";
// Our own narrow sans, built into the program, for a system with neither (Wine puts a far wider
// font in their place, and the labels would wrap where they were not designed to).
constexpr wchar_t kFallbackSansFace[] = L"Roboto Condensed";
constexpr wchar_t kSerifFace[] = L"MS Serif";
// The narrow serif the Linux game draws the location with, for a system without MS Serif (Wine
// has none) or when scaled: a wider face would cut the location line at the About window's edge.
constexpr wchar_t kNarrowSerifFace[] = L"DejaVu Serif Condensed";
constexpr wchar_t kOutlineSerifFace[] = L"Times New Roman";

bool systemHasFace(const wchar_t* face) {
  HFONT font =
      CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  wchar_t chosen[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, chosen);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return lstrcmpiW(chosen, face) == 0;
}

bool loadFallbackSans() {
  HRSRC resource = FindResourceW(nullptr, L"FALLBACKSANS", RT_RCDATA);
  HGLOBAL data = resource ? LoadResource(nullptr, resource) : nullptr;
  if (!data) return false;
  DWORD installed = 0;
  return AddFontMemResourceEx(LockResource(data), SizeofResource(nullptr, resource), nullptr,
                              &installed) != nullptr;
}

// What the system has is looked at once, when first needed: at 96 dpi with the bitmap faces
// present, nothing else is looked for.
const wchar_t* sansFace(int dpi) {
  if (dpi == kDesignDpi) {
    static const bool hasBitmapFace = systemHasFace(kSansFace);
    if (hasBitmapFace) return kSansFace;
  }
  static const bool hasOutlineFace = systemHasFace(kOutlineSansFace);
  if (hasOutlineFace) return kOutlineSansFace;
  static const bool fallbackLoaded = loadFallbackSans();
  return fallbackLoaded ? kFallbackSansFace : kSansFace;
}

const wchar_t* serifFace(int dpi) {
  if (dpi == kDesignDpi) {
    static const bool hasBitmapFace = systemHasFace(kSerifFace);
    if (hasBitmapFace) return kSerifFace;
  }
  static const bool hasNarrowFace = systemHasFace(kNarrowSerifFace);
  if (hasNarrowFace) return kNarrowSerifFace;
  static const bool hasOutlineFace = systemHasFace(kOutlineSerifFace);
  return hasOutlineFace ? kOutlineSerifFace : kSerifFace;
}

HFONT makeFont(FontRole role, int dpi) {
  const bool serif = role == FontRole::Location;
  return CreateFontW(
      fontHeightForDpi(fontPoints(role), dpi), 0, 0, 0, FW_NORMAL, FALSE, role == FontRole::Number,
      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | (serif ? FF_ROMAN : FF_SWISS), serif ? serifFace(dpi) : sansFace(dpi));
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
