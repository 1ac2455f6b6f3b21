#include "design/font_design.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "design/caption_fit.h"

namespace {

// A system that has the named faces, and tells which ones it was asked about.
struct FakeSystem {
  std::set<std::string_view> faces;
  std::vector<std::string> asked{};
  std::function<bool(const FaceDesign&)> hasFace() {
    return [this](const FaceDesign& face) {
      asked.emplace_back(face.family);
      return faces.count(face.family) > 0;
    };
  }
};

std::string_view chosen(FontRole role, int dpi, std::set<std::string_view> faces) {
  FakeSystem system{std::move(faces)};
  return chosenFace(role, dpi, system.hasFace()).family;
}

TEST(FontDesign, TheFirstFaceTheSystemHasABitmapOneOnlyAtTheDesignsResolution) {
  const std::set<std::string_view> windows{"MS Sans Serif", "Microsoft Sans Serif", "MS Serif",
                                           "Times New Roman", "Roboto Condensed"};
  EXPECT_EQ(chosen(FontRole::Default, 96, windows), "MS Sans Serif");
  EXPECT_EQ(chosen(FontRole::Number, 192, windows), "Microsoft Sans Serif");
  EXPECT_EQ(chosen(FontRole::Location, 96, windows), "MS Serif");
  EXPECT_EQ(chosen(FontRole::Location, 144, windows), "Times New Roman");
  // A Linux desktop, or Wine without the fonts Windows keeps.
  const std::set<std::string_view> linux{"Roboto Condensed", "DejaVu Serif Condensed"};
  EXPECT_EQ(chosen(FontRole::Default, 96, linux), "Roboto Condensed");
  EXPECT_EQ(chosen(FontRole::Location, 96, linux), "DejaVu Serif Condensed");
  // With none of them the designed face is named, and the system puts its own in its place.
  EXPECT_EQ(chosen(FontRole::Location, 96, {}), "MS Serif");

  // Where the designed face is there nothing else is looked for, and a bitmap face is never
  // looked for where it could not be used.
  FakeSystem system{windows};
  chosenFace(FontRole::Default, 96, system.hasFace());
  chosenFace(FontRole::Default, 192, system.hasFace());
  EXPECT_EQ(system.asked, (std::vector<std::string>{"MS Sans Serif", "Microsoft Sans Serif"}));
}

TEST(FontDesign, SizesArePointsAtTheResolutionToTheNearestPixel) {
  EXPECT_EQ(fontPixels(fontDesign(FontRole::Default).points, 96), 11);
  EXPECT_EQ(fontPixels(fontDesign(FontRole::Number).points, 96), 18);
  EXPECT_EQ(fontPixels(fontDesign(FontRole::Location).points, 96), 9);
  EXPECT_EQ(fontPixels(fontDesign(FontRole::Default).points, 192), 21);
  EXPECT_EQ(fontPixels(fontDesign(FontRole::Number).points, 192), 36);
}

// Every byte is the same share of the font's pixel size wide; lines are 1.25 sizes apart.
FontMeasure evenMeasure(double points, int dpi, double share) {
  const int pixels = fontPixels(points, dpi);
  return {.width =
              [=](std::string_view text) {
                return static_cast<int>(text.size() * pixels * share + 0.5);
              },
          .ascent = pixels,
          .lineHeight = pixels * 5 / 4};
}

TEST(CaptionFit, ACaptionIsWholeWhenNoWordIsCutAndEveryLineLiesInsideDownToItsBaseline) {
  const FontMeasure fiveWide{.width = [](std::string_view t) { return int(t.size()) * 5; },
                             .ascent = 10,
                             .lineHeight = 13};
  EXPECT_TRUE(showsWhole("ab cd", 25, 10, true, fiveWide));
  // A second line needs 13 + 10 pixels.
  EXPECT_FALSE(showsWhole("ab cd", 20, 22, true, fiveWide));
  EXPECT_TRUE(showsWhole("ab cd", 20, 23, true, fiveWide));
  // "abcdef" is cut after "abcd".
  EXPECT_FALSE(showsWhole("abcdef", 20, 100, true, fiveWide));
  EXPECT_FALSE(showsWhole("ab cd", 20, 100, false, fiveWide));
  EXPECT_TRUE(showsWhole("ab cd", 25, 10, false, fiveWide));
}

TEST(CaptionFit, AStandInStepsDownAPixelAtATimeUntilEveryCaptionShowsWhole) {
  const FaceDesign standIn{"Roboto Condensed", FaceKind::Embedded};
  const FaceDesign designed{"MS Sans Serif", FaceKind::Bitmap};
  // GDI's measures of the stand-in at 11 pixels: "Skill progression (higher is harder):" takes
  // 167 pixels of its 162, and would wrap onto a second line that the label cuts off.
  const auto wide = [](double points) { return evenMeasure(points, 96, 0.41); };
  const FontMeasure at11 = wide(8.0);
  EXPECT_EQ(at11.width("Skill progression (higher is harder):"), 167);
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Default, standIn, 96, wide), 8.0 - 0.75);
  // Qt's narrower measures of the same face fit as designed, and so does the designed face.
  const auto narrow = [](double points) { return evenMeasure(points, 96, 0.38); };
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Default, standIn, 96, narrow), 8.0);
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Default, designed, 96, wide), 8.0);
  // Enlarged, the designed face is measured too, and steps in the resolution's pixels.
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Default, designed, 192,
                                [](double p) { return evenMeasure(p, 192, 0.43); }),
                   8.0 - 0.375);
  // The numbers grow with their captions: nothing to fit.
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Number, standIn, 96, wide), 13.5);
  // A face that fits at no size is drawn no smaller than three quarters of the design.
  const auto huge = [](double points) { return evenMeasure(points, 96, 5.0); };
  EXPECT_DOUBLE_EQ(fittedPoints(FontRole::Default, standIn, 96, huge), 6.5);
}

}  // namespace
