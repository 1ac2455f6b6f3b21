#pragma once

#include <string>

#include "design/window_design.h"
#include "play/pad_input.h"
#include "web/page_fonts.h"
#include "web/page_pictures.h"

// An options or About window on the page, built from its design with real HTML controls: labels,
// buttons, check boxes, range inputs with ticks and pictures, in the designed keyboard order,
// under a title bar with the window's caption and a close control.
class PageWindow {
 public:
  PageWindow(int index, const WindowDesign& design, PagePictures& pictures, PageFonts& fonts);
  ~PageWindow();
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;

  const WindowDesign& design() const { return design_; }
  // Lays it out at the scale, its client area's top-left corner at (x, y) in CSS pixels.
  void place(double x, double y, int scale, double devicePixelRatio);
  // The title bar's height in CSS pixels at that scale.
  static double titleHeight(int scale, double devicePixelRatio);
  void show();
  void hide();

  // The control's index in its design, or -1.
  int indexOf(const ControlDesign& control) const;
  int value(const ControlDesign& control) const;
  void setValue(const ControlDesign& control, int value);
  void setText(const ControlDesign& control, const std::string& text);
  void describe(const ControlDesign& control, const std::string& text);
  // A pad's move or press, carried out on the focused control as the windows' pad rule says.
  void padAction(PadWindowAction action);

 private:
  // The label's caption as it shows, its lines broken by the game's rule at that scale.
  std::string brokenCaption(const ControlDesign& control, int scale);

  int index_;
  const WindowDesign& design_;
  PagePictures& pictures_;
  PageFonts& fonts_;
};
