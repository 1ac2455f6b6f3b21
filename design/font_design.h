#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "design/window_design.h"

// The windows' fonts, free of any toolkit: each role's size and look, and the faces every
// front-end looks for, in the same order.

enum class FaceKind {
  // Drawn exactly as designed, but only at the design's resolution: anywhere else its pixels
  // could only be enlarged.
  Bitmap,
  // Drawn at any resolution, where the system has it.
  Outline,
  // Built into the program: every front-end has it once it has registered it.
  Embedded,
};

struct FaceDesign {
  std::string_view family;
  FaceKind kind = FaceKind::Outline;
};

struct FontDesign {
  double points = 0;
  bool underline = false;
  // Asked for should the system put a face of its own in place of every named one.
  bool serif = false;
  // In the order they are looked for; the first one is the face the windows were designed in.
  std::vector<FaceDesign> faces;
};

const FontDesign& fontDesign(FontRole role);

// The face a role's text is drawn in at a resolution: the first of its faces that the system has
// (hasFace answers for the front-end), a bitmap face only at the design's resolution. Where the
// system has none of them the first is named all the same, and the system puts its own in place.
const FaceDesign& chosenFace(FontRole role, int dpi,
                             const std::function<bool(const FaceDesign&)>& hasFace);

// The height of a font's characters in pixels at a resolution, to the nearest pixel.
int fontPixels(double points, int dpi);
