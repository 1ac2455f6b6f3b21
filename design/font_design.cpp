#include "design/font_design.h"

#include <cmath>

#include "design/resolution.h"

namespace {

constexpr int kPointsPerInch = 72;

std::vector<FaceDesign> sansFaces() {
  return {
      {"MS Sans Serif", FaceKind::Bitmap},
      // The outline twin of MS Sans Serif that Windows has.
      {"Microsoft Sans Serif", FaceKind::Outline},
      // Our own narrow sans, for a system with neither: Wine and Linux put far wider faces in
      // their place, and the labels would wrap where they were not designed to.
      {"Roboto Condensed", FaceKind::Embedded},
  };
}

std::vector<FaceDesign> serifFaces() {
  return {
      {"MS Serif", FaceKind::Bitmap},
      // A wider face would cut the location line at the About window's edge.
      {"DejaVu Serif Condensed", FaceKind::Outline},
      {"Times New Roman", FaceKind::Outline},
  };
}

}  // namespace

const FontDesign& fontDesign(FontRole role) {
  static const FontDesign kDefault{.points = 8.0, .faces = sansFaces()};
  // The main window's numbers.
  static const FontDesign kNumber{.points = 13.5, .underline = true, .faces = sansFaces()};
  // The About window's line naming where the options are kept.
  static const FontDesign kLocation{.points = 6.75, .serif = true, .faces = serifFaces()};
  switch (role) {
    case FontRole::Default:
      break;
    case FontRole::Number:
      return kNumber;
    case FontRole::Location:
      return kLocation;
  }
  return kDefault;
}

const FaceDesign& chosenFace(FontRole role, int dpi,
                             const std::function<bool(const FaceDesign&)>& hasFace) {
  const std::vector<FaceDesign>& faces = fontDesign(role).faces;
  for (const FaceDesign& face : faces) {
    if (face.kind == FaceKind::Bitmap && dpi != kDesignDpi) continue;
    if (hasFace(face)) return face;
  }
  return faces.front();
}

int fontPixels(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}
