#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/gdi_picture.h"

// A child window that shows one game picture at its own size on the window's button face (a
// transparent picture lets the face show through). Each press and release of the left button on
// it is reported, with whether it came on the picture; with a report, the mouse pointer over it is
// a hand. With a tooltip text, the text shows when the mouse rests on it.
class PictureControl {
 public:
  static void registerClass(HINSTANCE instance);

  using ButtonReport = std::function<void(bool down, bool inside)>;

  PictureControl(HWND parent, HINSTANCE instance, const char* pictureName,
                 ButtonReport onButton = {}, std::string tooltip = {});
  ~PictureControl();
  PictureControl(const PictureControl&) = delete;
  PictureControl& operator=(const PictureControl&) = delete;

  HWND handle() const { return window_; }
  // The picture made anew for the window's resolution.
  void setDpi(int dpi);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void addTooltip(WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HINSTANCE instance_;
  const char* pictureName_;
  ButtonReport onButton_;
  std::string tooltipText_;
  bool tooltipAdded_ = false;
  GdiPicture picture_;
};
