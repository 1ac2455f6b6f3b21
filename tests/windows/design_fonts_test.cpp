#include "win32/design_fonts.h"

#include <gtest/gtest.h>

#include <string>

#include "design/caption_fit.h"
#include "win32/utf16.h"

namespace {

struct ChosenFont {
  std::wstring face;
  TEXTMETRICW metrics{};
};

ChosenFont chosen(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  ChosenFont result;
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, face);
  result.face = face;
  GetTextMetricsW(screen, &result.metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return result;
}

bool isOutline(const TEXTMETRICW& metrics) {
  return (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
}

// The test's Wine prefix has MS Sans Serif in its Fonts folder, as Windows has.
TEST(DesignFonts, TheDesignedBitmapFontAt96DpiAndAnOutlineFontAtTwiceThat) {
  const DesignFonts designed(96);
  const ChosenFont label = chosen(designed.font(FontRole::Default));
  EXPECT_EQ(label.face, L"MS Sans Serif");
  EXPECT_EQ(label.metrics.tmHeight, 13);

  // Enlarged, a bitmap font could only double its pixels: the text is drawn at the resolution.
  const DesignFonts doubled(192);
  for (FontRole role : {FontRole::Default, FontRole::Number, FontRole::Location}) {
    const ChosenFont font = chosen(doubled.font(role));
    EXPECT_TRUE(isOutline(font.metrics)) << static_cast<int>(role);
    EXPECT_NE(font.face, L"MS Sans Serif");
  }
  const ChosenFont number = chosen(doubled.font(FontRole::Number));
  EXPECT_TRUE(number.metrics.tmUnderlined);
  EXPECT_GT(number.metrics.tmHeight,
            2 * chosen(designed.font(FontRole::Number)).metrics.tmHeight - 8);
}

// Run in a prefix without the fonts Windows keeps, as Wine makes one for a player: the windows
// are drawn in the embedded stand-in, and GDI measures it wider than Qt does.
TEST(StandInFonts, ShowEveryDesignedCaptionWholeAt96Dpi) {
  const DesignFonts designed(96);
  EXPECT_EQ(chosen(designed.font(FontRole::Default)).face, L"Roboto Condensed");
  HDC screen = GetDC(nullptr);
  for (FontRole role : {FontRole::Default, FontRole::Location}) {
    const HFONT font = designed.font(role);
    const FontMeasure measure = gdiMeasure(screen, font);
    for (const ControlDesign* c : captionsDrawnIn(role)) {
      const PixelRect box = c->pixels();
      // A box with room for one line shows the caption on one line, as wide as GDI draws it.
      if (box.height < measure.lineHeight + measure.ascent) {
        EXPECT_LE(textWidth(screen, toUtf16(c->caption), font), box.width) << c->name;
      }
      EXPECT_TRUE(showsWhole(c->caption, box.width, box.height, c->wraps, measure)) << c->name;
    }
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
