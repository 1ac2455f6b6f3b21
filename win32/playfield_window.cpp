#include "win32/playfield_window.h"

#include <algorithm>
#include <string>

#include "design/game_pictures.h"
#include "win32/scaled_design.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarPlayfield";

}  // namespace

PlayfieldWindow::PlayfieldWindow(const std::vector<ShownLabel>& labels)
    : labels_(labels), frame_(bakedFramePictureSizes()) {}

void PlayfieldWindow::registerClass(HINSTANCE instance) {
  registerWindowClass(instance, kClassName, procedure, false, false);
}

PlayfieldWindow::~PlayfieldWindow() {
  if (window_ && IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  if (buffer_) DeleteObject(buffer_);
}

void PlayfieldWindow::create(HWND parent, HINSTANCE instance) {
  window_ = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                            0, 0, 0, 0, parent, nullptr, instance, this);
}

void PlayfieldWindow::setDpi(int dpi, const DesignFonts& fonts) {
  dpi_ = dpi;
  fonts_ = &fonts;
  for (size_t i = 0; i < pictures_.size(); ++i) {
    const std::string name(framePictureName(static_cast<FramePicture>(i)));
    pictures_[i] = gamePicture(name.c_str(), dpi);
  }
  changed();
}

void PlayfieldWindow::labelsChanged() { changed(); }

void PlayfieldWindow::changed() {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void PlayfieldWindow::takeFocus() {
  if (window_) SetFocus(window_);
}

void PlayfieldWindow::repaint() {
  frame_.repaint();
  changed();
}

void PlayfieldWindow::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  frame_.line(x1, y1, x2, y2, colour);
  changed();
}

void PlayfieldWindow::paint(Picture picture, int16_t x, int16_t y) {
  frame_.paint(picture, x, y);
  changed();
}

void PlayfieldWindow::drawLabels(HDC dc) {
  for (const ShownLabel& label : labels_) {
    if (!label.visible || label.design->container.empty() || !fonts_) continue;
    const PixelRect r = scaledControl(*label.design, dpi_);
    RECT box{r.x, r.y, r.x + r.width, r.y + r.height};
    const HFONT font = fonts_->font(label.design->font);
    if (label.design->growsWithCaption) {
      box.right = std::max<LONG>(box.right, r.x + textWidth(dc, label.caption, font));
    }
    drawLabel(dc, box, label.caption, label.back, label.fore, font, label.design->wraps);
  }
}

void PlayfieldWindow::drawFrame(HDC dc, RECT area) {
  for (const FrameStep& step : frame_.steps({area.right, area.bottom}, dpi_)) {
    switch (step.kind) {
      case FrameStep::Kind::Fill: {
        const RECT box{step.area.x, step.area.y, step.area.x + step.area.width,
                       step.area.y + step.area.height};
        HBRUSH brush =
            CreateSolidBrush(step.colour ? toColorRef(*step.colour) : GetSysColor(COLOR_BTNTEXT));
        FillRect(dc, &box, brush);
        DeleteObject(brush);
        break;
      }
      case FrameStep::Kind::Picture:
        pictures_[static_cast<size_t>(step.picture)].draw(dc, step.area.x, step.area.y);
        break;
      case FrameStep::Kind::Labels:
        drawLabels(dc);
        break;
    }
  }
}

LRESULT CALLBACK PlayfieldWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = windowObject<PlayfieldWindow>(window, message, lParam);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // every pixel comes from the back buffer
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      const SIZE size{area.right, area.bottom};
      if (!self->buffer_ || size.cx != self->bufferSize_.cx || size.cy != self->bufferSize_.cy) {
        if (self->buffer_) DeleteObject(self->buffer_);
        self->buffer_ = CreateCompatibleBitmap(dc, std::max(1L, size.cx), std::max(1L, size.cy));
        self->bufferSize_ = size;
      }
      HDC back = CreateCompatibleDC(dc);
      HGDIOBJ previous = SelectObject(back, self->buffer_);
      self->drawFrame(back, area);
      BitBlt(dc, 0, 0, size.cx, size.cy, back, 0, 0, SRCCOPY);
      SelectObject(back, previous);
      DeleteDC(back);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
