#include "win32/picture_control.h"

#include <commctrl.h>

#include "win32/tooltip.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarPicture";

}  // namespace

void PictureControl::registerClass(HINSTANCE instance) {
  registerWindowClass(instance, kClassName, procedure, true, false);
}

PictureControl::PictureControl(HWND parent, HINSTANCE instance, const char* pictureName,
                               ButtonReport onButton, std::string tooltip)
    : instance_(instance),
      pictureName_(pictureName),
      onButton_(std::move(onButton)),
      tooltipText_(std::move(tooltip)) {
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                            instance, this);
}

PictureControl::~PictureControl() {
  if (window_ && IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void PictureControl::addTooltip(WPARAM wParam, LPARAM lParam) {
  tooltipAdded_ = true;
  const HWND tooltip = ::addTooltip(GetParent(window_), window_, instance_, tooltipText_);
  if (!tooltip) return;
  // From now on the tooltip watches the mouse itself; the move that made it is handed on, so
  // that its delay starts there as it would have.
  const DWORD position = GetMessagePos();
  const POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  MSG move{window_, WM_MOUSEMOVE, wParam, lParam, static_cast<DWORD>(GetMessageTime()), at};
  SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void PictureControl::setDpi(int dpi) {
  picture_ = gamePicture(pictureName_, dpi);
  InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK PictureControl::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = windowObject<PictureControl>(window, message, lParam);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      self->picture_.draw(dc, 0, 0);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (self->onButton_ && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      // The tooltip is made when the mouse first comes over the picture: making it before would
      // load the common controls library before the first window is on the screen.
      if (!self->tooltipText_.empty() && !self->tooltipAdded_) self->addTooltip(wParam, lParam);
      break;
    case WM_LBUTTONDOWN:
      // The release is reported wherever it comes.
      SetCapture(window);
      if (self->onButton_) self->onButton_(true, true);
      return 0;
    case WM_LBUTTONUP: {
      RECT area;
      GetClientRect(window, &area);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      // Reported before the capture goes, which reports a release of its own.
      if (self->onButton_) self->onButton_(false, PtInRect(&area, at) != 0);
      ReleaseCapture();
      return 0;
    }
    case WM_CAPTURECHANGED:
      // Another window took the mouse: the press can no longer end in a click.
      if (self->onButton_) self->onButton_(false, false);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
