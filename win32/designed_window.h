#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "design/window_design.h"
#include "play/pad_input.h"
#include "win32/design_fonts.h"
#include "win32/picture_control.h"

// A secondary window built from its design with real controls: labels, push buttons, check
// boxes, trackbars and pictures, in keyboard order for the dialog keys of the message loop. It
// lays itself out for its screen's resolution times the main window's zoom, and again when either
// changes. The options and About windows say what their controls do.
class DesignedWindow {
 public:
  static void registerClass(HINSTANCE instance);

  virtual ~DesignedWindow();
  DesignedWindow(const DesignedWindow&) = delete;
  DesignedWindow& operator=(const DesignedWindow&) = delete;

  HWND handle() const { return window_; }
  // False once the window was destroyed; a later opening makes a new one.
  bool alive() const { return window_ != nullptr; }
  bool visible() const { return window_ && IsWindowVisible(window_); }
  // Shows and activates it, the keyboard on the control that last had it.
  void show();
  void hide();
  // Laid out anew at that zoom; a window with a designed place goes there at the new factor.
  void setZoom(int zoom);
  // A pad's move or press, carried out on the focused control as the keyboard would.
  void padAction(PadWindowAction action);

 protected:
  DesignedWindow(const WindowDesign& design, HWND owner, HINSTANCE instance, int zoom);

  HWND control(std::string_view name) const;
  // A tooltip over the control with the text as it stands.
  void addTooltip(std::string_view control, std::string_view text);
  const WindowDesign& design() const { return design_; }

  // A push button or check box was clicked.
  virtual void clicked(const ControlDesign& control) = 0;
  // A trackbar moved.
  virtual void scrolled(const ControlDesign&) {}
  // Closed any other way than by its own button, just before it is destroyed.
  virtual void closedOtherwise() = 0;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createControls(HINSTANCE instance);
  void layOut(int dpi, const RECT* suggested);
  void goToDesignedPlace();
  const ControlDesign* designOf(HWND control) const;
  void focusControl(HWND control);

  const WindowDesign& design_;
  HWND window_ = nullptr;
  HINSTANCE instance_;
  int dpi_ = 96;
  int zoom_ = 1;
  std::vector<HWND> controls_;  // in the design's creation order
  std::vector<std::unique_ptr<PictureControl>> pictures_;
  std::unique_ptr<DesignFonts> fonts_;
  HWND lastFocus_ = nullptr;
};

// The identifier of the design's control at that index: well away from IDOK and IDCANCEL,
// which the dialog keys send.
constexpr int kFirstControlId = 100;
