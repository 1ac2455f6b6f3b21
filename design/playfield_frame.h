#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "design/twips.h"
#include "game/playfield.h"

// The playfield's frame as drawing steps in pixels, which a front-end only executes with its own
// painter: fill a rectangle, draw a picture at a pixel place, draw the labels that lie on the
// playfield. In paint order: the landscape with white where it ends, the labels, then what the
// game drew since its last repaint in the order it was drawn, so that a painted picture covers a
// label until the next repaint.

// The pictures a frame shows: the landscape behind everything and the game's own.
enum class FramePicture { Landscape, MonkeyUp, MonkeyDown, Cloud, Crate };
inline constexpr size_t kFramePictureCount = 5;

FramePicture framePicture(Picture picture);
// Its file name in assets/ without the extension, by which the built-in pictures are found.
std::string_view framePictureName(FramePicture picture);

// Each picture's size in pixels of the design, as the front-end's pictures are built.
using FramePictureSizes = std::array<PixelSize, kFramePictureCount>;

struct FrameStep {
  enum class Kind {
    Fill,     // the area in the colour
    Picture,  // the picture, enlarged pixel for pixel to the area's size, at its top-left corner
    Labels,   // the labels that lie on the playfield, each where its design places it
  };
  Kind kind = Kind::Fill;
  PixelRect area{};
  // A fill's colour; none is the playfield's fore colour, which the design leaves to the
  // system's button-text colour.
  std::optional<Rgb> colour{};
  FramePicture picture = FramePicture::Landscape;
  friend bool operator==(const FrameStep&, const FrameStep&) = default;
};

// A point in playfield units as a pixel of the playfield's inner area: first to the nearest
// pixel of the design (x * 0.472, y * 0.446), as the game was designed, then scaled to the
// resolution (96 dpi per 1x).
int playfieldUnitsToPixelsX(double units, int dpi);
int playfieldUnitsToPixelsY(double units, int dpi);

// A step of the design at a resolution: a fill covers the pixels its design pixels cover there
// (scaled by its edges); a picture lies at its scaled place at its scaled size, as a picture
// enlarged to that resolution is.
FrameStep scaledStep(const FrameStep& designStep, int dpi);

// The frame of one playfield: what the game drew since its last repaint, kept as steps in pixels
// of the design, and the whole frame at any resolution.
class PlayfieldFrame {
 public:
  explicit PlayfieldFrame(const FramePictureSizes& pictureSizes) : pictureSizes_(pictureSizes) {}

  // What the game asks of its playfield (game/playfield.h), recorded. The drawing goes; the
  // landscape and the labels stay.
  void repaint();
  // Level and upright lines fill whole pixels, both ends included; so do slanted ones, run by
  // run of the pixels nearest to them, so that every front-end shows a line alike at every zoom.
  // Each returns the steps it added, in pixels of the design, valid until the next call.
  std::span<const FrameStep> line(float x1, float y1, float x2, float y2,
                                  std::optional<Rgb> colour);
  // At the picture's own size, its top-left corner at the point.
  std::span<const FrameStep> paint(Picture picture, int16_t x, int16_t y);

  // The game's drawing since the last repaint, in order, in pixels of the design.
  const std::vector<FrameStep>& drawing() const { return drawing_; }
  // The steps before the labels, for an inner area of that size in pixels at the resolution:
  // white where the landscape does not reach, and the landscape at the top-left corner, clipped
  // by the area.
  std::vector<FrameStep> background(PixelSize area, int dpi) const;
  // The whole frame in paint order, at the resolution.
  std::vector<FrameStep> steps(PixelSize area, int dpi) const;

 private:
  std::span<const FrameStep> addedSince(size_t first) const;

  FramePictureSizes pictureSizes_;
  std::vector<FrameStep> drawing_;
};
