#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "design/playfield_frame.h"
#include "game/playfield.h"
#include "win32/design_fonts.h"
#include "win32/gdi_picture.h"
#include "win32/shown_label.h"

// The playfield: a child window with a sunken border that executes its frame's steps
// (design/playfield_frame.h) through a back buffer: the landscape, the labels that lie on the
// playfield, and over them what the game drew since its last repaint, in the order it was drawn.
class PlayfieldWindow final : public Playfield {
 public:
  static void registerClass(HINSTANCE instance);

  // The labels are the main window's; the playfield draws those that lie on it.
  explicit PlayfieldWindow(const std::vector<ShownLabel>& labels);
  ~PlayfieldWindow() override;
  PlayfieldWindow(const PlayfieldWindow&) = delete;
  PlayfieldWindow& operator=(const PlayfieldWindow&) = delete;

  void create(HWND parent, HINSTANCE instance);
  HWND handle() const { return window_; }
  // Pictures and lines laid out anew for the resolution; the fonts are the main window's.
  void setDpi(int dpi, const DesignFonts& fonts);
  void labelsChanged();

  void takeFocus() override;
  void repaint() override;
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
  void paint(Picture picture, int16_t x, int16_t y) override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void drawFrame(HDC dc, RECT area);
  void drawLabels(HDC dc);
  void changed();

  const std::vector<ShownLabel>& labels_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  const DesignFonts* fonts_ = nullptr;
  PlayfieldFrame frame_;
  // By FramePicture, at the resolution.
  std::array<GdiPicture, kFramePictureCount> pictures_;
  HBITMAP buffer_ = nullptr;
  SIZE bufferSize_{};
};
