#include "win32/playfield_window.h"

#include <algorithm>

#include "design/main_window_design.h"
#include "win32/scaled_design.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarPlayfield";

}  // namespace

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
  landscape_ = gamePicture("landscape", dpi);
  for (Picture p : {Picture::MonkeyUp, Picture::MonkeyDown, Picture::Cloud, Picture::Crate}) {
    pictures_[static_cast<size_t>(p)] = gamePicture(std::string(pictureName(p)).c_str(), dpi);
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
  ops_.clear();
  changed();
}

void PlayfieldWindow::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  DrawOp op;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.colour = colour ? toColorRef(*colour) : GetSysColor(COLOR_BTNTEXT);
  ops_.push_back(op);
  changed();
}

void PlayfieldWindow::paint(Picture picture, int16_t x, int16_t y) {
  DrawOp op;
  op.isPicture = true;
  op.picture = picture;
  op.x1 = x;
  op.y1 = y;
  ops_.push_back(op);
  changed();
}

void PlayfieldWindow::drawLine(HDC dc, const DrawOp& op) {
  const int x1 = playfieldUnitsToPixelsX(op.x1, kDesignDpi);
  const int y1 = playfieldUnitsToPixelsY(op.y1, kDesignDpi);
  const int x2 = playfieldUnitsToPixelsX(op.x2, kDesignDpi);
  const int y2 = playfieldUnitsToPixelsY(op.y2, kDesignDpi);
  if (x1 == x2 || y1 == y2) {
    // A level or upright line covers whole pixels of the design, both ends included, so that on
    // a dense screen it is as many screen pixels thick as a design pixel is wide.
    const PixelRect design{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                           std::abs(y2 - y1) + 1};
    const PixelRect r = scaledRect(design, dpi_);
    const RECT box{r.x, r.y, r.x + r.width, r.y + r.height};
    HBRUSH brush = CreateSolidBrush(op.colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, std::max(1, scaledPixels(1, dpi_)), op.colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, scaledPixels(x1, dpi_), scaledPixels(y1, dpi_), nullptr);
  LineTo(dc, scaledPixels(x2, dpi_), scaledPixels(y2, dpi_));
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void PlayfieldWindow::drawFrame(HDC dc, RECT area) {
  // The landscape is larger than the inner area and clipped there; white shows only where it
  // ends, should the border leave more room than designed.
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  landscape_.draw(dc, 0, 0);
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
  for (const DrawOp& op : ops_) {
    if (op.isPicture) {
      pictures_[static_cast<size_t>(op.picture)].draw(dc, playfieldUnitsToPixelsX(op.x1, dpi_),
                                                      playfieldUnitsToPixelsY(op.y1, dpi_));
    } else {
      drawLine(dc, op);
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
