#include "win32/designed_window.h"

#include <commctrl.h>

#include <algorithm>

#include "design/pad_focus.h"
#include "design/slider_settings.h"
#include "win32/common_controls.h"
#include "win32/dpi.h"
#include "win32/monitor.h"
#include "win32/scaled_design.h"
#include "win32/tooltip.h"
#include "win32/utf16.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// A key message's flags: pressed once, and released after being down.
constexpr LPARAM kKeyDownFlags = 1;
constexpr LPARAM kKeyUpFlags = static_cast<LPARAM>(0xC0000001u);

HWND createControl(const ControlDesign& c, HWND parent, HINSTANCE instance, int id) {
  const std::wstring caption = toUtf16(c.caption);
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (c.kind) {
    case ControlKind::Label:
      // A wrapping label is drawn by its window (WM_DRAWITEM), which breaks its lines by the
      // game's own rule.
      return CreateWindowExW(0, L"STATIC", caption.c_str(),
                             child | SS_NOPREFIX | (c.wraps ? SS_OWNERDRAW : SS_LEFTNOWORDWRAP), 0,
                             0, 0, 0, parent, menu, instance, nullptr);
    case ControlKind::PushButton:
      return CreateWindowExW(0, L"BUTTON", caption.c_str(), child | WS_TABSTOP | BS_PUSHBUTTON, 0,
                             0, 0, 0, parent, menu, instance, nullptr);
    case ControlKind::CheckBox:
      return CreateWindowExW(0, L"BUTTON", caption.c_str(), child | WS_TABSTOP | BS_AUTOCHECKBOX, 0,
                             0, 0, 0, parent, menu, instance, nullptr);
    case ControlKind::Slider: {
      HWND slider =
          CreateWindowExW(0, TRACKBAR_CLASSW, L"", child | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 0,
                          0, 0, 0, parent, menu, instance, nullptr);
      SendMessageW(slider, TBM_SETRANGE, FALSE,
                   MAKELPARAM(kOptionSlider.minimum, kOptionSlider.maximum));
      SendMessageW(slider, TBM_SETLINESIZE, 0, kOptionSlider.singleStep);
      SendMessageW(slider, TBM_SETPAGESIZE, 0, kOptionSlider.pageStep);
      SendMessageW(slider, TBM_SETTICFREQ, kOptionSlider.tickInterval, 0);
      return slider;
    }
    case ControlKind::Picture:
    case ControlKind::Playfield:
      break;
  }
  return nullptr;
}

}  // namespace

void DesignedWindow::registerClass(HINSTANCE instance) {
  registerWindowClass(instance, kClassName, procedure, true, true);
}

DesignedWindow::DesignedWindow(const WindowDesign& design, HWND owner, HINSTANCE instance, int zoom)
    : design_(design), instance_(instance), zoom_(zoom) {
  useCommonControls();
  const int dpi = static_cast<int>(dpiForWindow(owner));
  const PixelRect client = scaledClient(design, dpi * zoom);
  RECT outer = outerForClient(
      {client.x, client.y, client.x + client.width, client.y + client.height}, kStyle, 0, dpi);
  const bool placed = design.placement.has_value();
  window_ = CreateWindowExW(0, kClassName, toUtf16(design.caption).c_str(), kStyle,
                            placed ? outer.left : CW_USEDEFAULT, placed ? outer.top : CW_USEDEFAULT,
                            outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                            instance, this);
  if (!window_) return;
  createControls(instance);
  layOut(static_cast<int>(dpiForWindow(window_)), nullptr);
}

DesignedWindow::~DesignedWindow() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void DesignedWindow::createControls(HINSTANCE instance) {
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    const ControlDesign& c = design_.controls[i];
    if (c.kind == ControlKind::Picture) {
      pictures_.push_back(std::make_unique<PictureControl>(window_, instance, c.caption.c_str()));
      controls_.push_back(pictures_.back()->handle());
      continue;
    }
    controls_.push_back(createControl(c, window_, instance, kFirstControlId + static_cast<int>(i)));
  }
  // The dialog keys move through the controls in window order: the keyboard order first.
  const std::vector<const ControlDesign*> order = design_.tabOrder();
  for (auto c = order.rbegin(); c != order.rend(); ++c) {
    SetWindowPos(control((*c)->name), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  lastFocus_ = control(design_.firstFocus);
}

HWND DesignedWindow::control(std::string_view name) const {
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    if (design_.controls[i].name == name) return controls_[i];
  }
  return nullptr;
}

const ControlDesign* DesignedWindow::designOf(HWND control) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control) return &design_.controls[i];
  }
  return nullptr;
}

void DesignedWindow::addTooltip(std::string_view name, std::string_view text) {
  HWND c = control(name);
  if (!c) return;
  // A label passes the mouse through to the window unless it notifies.
  SetWindowLongPtrW(c, GWL_STYLE, GetWindowLongPtrW(c, GWL_STYLE) | SS_NOTIFY);
  ::addTooltip(window_, c, instance_, text);
}

void DesignedWindow::layOut(int dpi, const RECT* suggested) {
  dpi_ = dpi;
  const int scale = dpi * zoom_;
  fonts_ = std::make_unique<DesignFonts>(scale);
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    const ControlDesign& c = design_.controls[i];
    PixelRect r = scaledControl(c, scale);
    // The system draws a check box's square at the screen's own size, whatever the zoom: the box
    // keeps its unzoomed width, so that the caption it was designed with stays hidden beside it.
    if (c.kind == ControlKind::CheckBox) r.width = std::min(r.width, scaledControl(c, dpi).width);
    SetWindowPos(controls_[i], nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font(c.font)), TRUE);
  }
  for (auto& picture : pictures_) picture->setDpi(scale);
  // The client area keeps its designed size at the new resolution.
  const PixelRect client = scaledClient(design_, scale);
  RECT outer = outerForClient({0, 0, client.width, client.height}, kStyle, 0, dpi);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  if (suggested) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

void DesignedWindow::setZoom(int zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  layOut(dpi_, nullptr);
  goToDesignedPlace();
  keepInsideWorkArea(window_);
}

void DesignedWindow::goToDesignedPlace() {
  // The client area is placed, not the frame around it.
  if (!design_.placement) return;
  const PixelRect client = scaledClient(design_, dpi_ * zoom_);
  const RECT outer = outerForClient(toRect(client), kStyle, 0, static_cast<UINT>(dpi_));
  SetWindowPos(window_, nullptr, outer.left, outer.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesignedWindow::show() {
  // A window that would open partly off a small or strongly scaled screen comes onto it.
  keepInsideWorkArea(window_);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  if (lastFocus_) SetFocus(lastFocus_);
}

void DesignedWindow::hide() {
  ShowWindow(window_, SW_HIDE);
  // Play goes on in the main window, which takes the keyboard back.
  if (HWND owner = GetWindow(window_, GW_OWNER)) SetForegroundWindow(owner);
}

void DesignedWindow::padAction(PadWindowAction action) {
  // Another program may have the keyboard: the control that last had it here is the one.
  HWND focus = GetFocus();
  if (!focus || !IsChild(window_, focus)) focus = lastFocus_;
  const ControlDesign* focused = designOf(focus);
  const PadFocusStep step = padFocusStep(design_, focused ? focused->name : "", action);
  switch (step.kind) {
    case PadFocusStep::Kind::Focus:
      focusControl(control(step.control));
      break;
    case PadFocusStep::Kind::StepSlider: {
      // The arrow key itself, so that the trackbar steps, tells the window and ends its move
      // exactly as it does for the keyboard.
      const WPARAM key = step.sliderStep < 0 ? VK_LEFT : VK_RIGHT;
      SendMessageW(focus, WM_KEYDOWN, key, kKeyDownFlags);
      SendMessageW(focus, WM_KEYUP, key, kKeyUpFlags);
      break;
    }
    case PadFocusStep::Kind::Press:
      SendMessageW(focus, BM_CLICK, 0, 0);
      break;
    case PadFocusStep::Kind::None:
      break;
  }
}

void DesignedWindow::focusControl(HWND target) {
  if (!target) return;
  // As Tab moves it: the focus rectangle, hidden until the keyboard is used, shows from now on.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  SetFocus(target);
  lastFocus_ = target;
}

LRESULT CALLBACK DesignedWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = windowObject<DesignedWindow>(window, message, lParam);
  if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
  return self->onMessage(message, wParam, lParam);
}

LRESULT DesignedWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int index = id - kFirstControlId;
      // A label that notifies (for its tooltip) sends the same code when clicked.
      if (HIWORD(wParam) == BN_CLICKED && index >= 0 &&
          index < static_cast<int>(design_.controls.size()) &&
          (design_.controls[index].kind == ControlKind::PushButton ||
           design_.controls[index].kind == ControlKind::CheckBox)) {
        clicked(design_.controls[index]);
      }
      // IDCANCEL from Escape and IDOK from Enter away from a button do nothing.
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const ControlDesign* c = designOf(item->hwndItem);
      if (!c || c->kind != ControlKind::Label) break;
      std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(item->hwndItem)) + 1, L'\0');
      caption.resize(static_cast<size_t>(
          GetWindowTextW(item->hwndItem, caption.data(), static_cast<int>(caption.size()))));
      drawLabel(item->hDC, item->rcItem, caption,
                c->backColour ? toColorRef(*c->backColour) : GetSysColor(COLOR_BTNFACE),
                c->foreColour ? toColorRef(*c->foreColour) : GetSysColor(COLOR_WINDOWTEXT),
                fonts_->font(c->font), true);
      return TRUE;
    }
    case WM_HSCROLL:
      if (const ControlDesign* c = designOf(reinterpret_cast<HWND>(lParam))) scrolled(*c);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_) {
        SetFocus(lastFocus_);
      }
      return 0;
    case WM_DPICHANGED:
      layOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      // Closed by its title bar, Alt+F4 or the system: the window says so, and goes.
      closedOtherwise();
      if (window_) DestroyWindow(window_);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}
