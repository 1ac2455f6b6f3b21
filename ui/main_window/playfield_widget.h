#pragma once

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <array>
#include <vector>

#include "design/main_window_design.h"
#include "design/playfield_frame.h"
#include "game/playfield.h"

// The playfield: a sunken panel whose inner area shows the frame's steps
// (design/playfield_frame.h): the landscape, the labels that sit on it as child widgets, and above
// them a drawing layer holding what was painted since the last repaint. The layer keeps the drawing
// steps rather than their pixels: a frame is at most seven of them, and replaying them draws at the
// screen's own resolution.
class PlayfieldWidget final : public QFrame, public Playfield {
  Q_OBJECT

 public:
  static constexpr int kBorderPx = kPlayfieldBorderPx;
  // The inner area at 1x, as designed.
  static QSize innerSize();

  explicit PlayfieldWidget(QWidget* parent);

  // The inner area: the parent of the labels that lie on the playfield.
  QWidget* inner() const { return inner_; }
  QPixmap picture(Picture picture) const;
  // Ensures the drawing layer is on top of labels added to the inner area.
  void raiseDrawingLayer();
  // Shows the landscape and the drawing enlarged by a whole factor; the places and sizes of the
  // panel and of what lies on it are the window's to zoom.
  void setZoom(int zoom);
  // Once a tick has drawn: marks what its repaint cleared and it did not draw again, so that the
  // next frame takes it away.
  void finishFrame();

  void takeFocus() override;
  void repaint() override;
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
  void paint(Picture picture, int16_t x, int16_t y) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class Inner;
  class DrawingLayer;

  // The resolution the frame's steps are laid out at: the zoom's, as Qt scales for the screen.
  int dpi() const;
  // Marks what the steps the game just drew change for the next frame.
  void drawn(std::span<const FrameStep> steps);
  // Marks a step of the design for the next frame.
  void markChanged(const FrameStep& designStep);

  QWidget* inner_;
  DrawingLayer* layer_;
  PlayfieldFrame frame_;
  // What the last repaint cleared, in order. A drawing that repeats one of them, as the ledge and
  // a crate do every tick, changes no pixel where nothing else changed, so only the others are
  // redrawn. Repeats count in the order they were first drawn only, so that where two unchanged
  // drawings overlap, the same one stays on top.
  std::vector<FrameStep> cleared_;
  // The cleared drawings before this one have come back or are marked as gone.
  size_t repeatsFrom_ = 0;
  // The game's pictures at 1x and at the zoom, by FramePicture; the landscape is the inner area's.
  std::array<QPixmap, kFramePictureCount> pictures_;
  std::array<QPixmap, kFramePictureCount> zoomedPictures_;
  int zoom_ = 1;
  QPixmap zoomedPanel_;
};
