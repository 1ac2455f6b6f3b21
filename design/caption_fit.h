#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "design/font_design.h"

// Whether the designed captions show whole in the font a front-end draws them in, and the size
// that makes a stand-in face show them so.

// How one font measures on a front-end, in pixels.
struct FontMeasure {
  // A part of a caption drawn on one line.
  std::function<int(std::string_view text)> width;
  // From a line's top to its baseline.
  int ascent = 0;
  // From one line of a label to the next.
  int lineHeight = 0;
};

// Whether a caption shows whole in a box of that size: broken into lines by the labels' rule when
// it wraps, no word is cut, no line is wider than the box, and every line lies inside the box
// down to its baseline (a descender may reach the edge).
bool showsWhole(std::string_view caption, int boxWidth, int boxHeight, bool wraps,
                const FontMeasure& measure);

// The controls of every window whose designed caption is drawn in the role's font inside a box of
// the designed size: the labels that keep their width, and the push buttons.
std::vector<const ControlDesign*> captionsDrawnIn(FontRole role);

// The points a role's text is drawn at in a face at a resolution. A bitmap face at the design's
// resolution is the design itself. Any other face stands in for it: the role's points are stepped
// down a pixel of the resolution at a time until every caption drawn in the role's font shows
// whole in its box at that resolution, and no further than three quarters of the designed size.
// measureAt(points) measures the face at that size.
double fittedPoints(FontRole role, const FaceDesign& face, int dpi,
                    const std::function<FontMeasure(double points)>& measureAt);
