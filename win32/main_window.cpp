#include "win32/main_window.h"

#include <algorithm>
#include <cstdint>

#include "design/main_window_design.h"
#include "win32/common_controls.h"
#include "win32/display_menu.h"
#include "win32/dpi.h"
#include "win32/key_routing.h"
#include "win32/message_box_closing.h"
#include "win32/monitor.h"
#include "win32/scaled_design.h"
#include "win32/tooltip.h"
#include "win32/utf16.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Full screen the window has no frame at all.
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPCHILDREN;

constexpr LabelId kLabels[] = {LabelId::StartPrompt, LabelId::JumpsCaption, LabelId::Level,
                               LabelId::Jumps, LabelId::Score};

// The timers' identifiers: SetTimer takes none of 0.
UINT_PTR timerIdentifier(TimerId timer) { return static_cast<UINT_PTR>(timer) + 1; }
// The pads' poll, well apart from the game's own timers.
constexpr UINT_PTR kPadPollTimer = 100;

// The performance counter in microseconds, split so that the product never overflows.
std::int64_t nowUs() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  const std::int64_t perSecond = frequency.QuadPart;
  return count.QuadPart / perSecond * 1'000'000 +
         count.QuadPart % perSecond * 1'000'000 / perSecond;
}

PixelRect shifted(PixelRect r, const PixelRect& origin) {
  return {r.x + origin.x, r.y + origin.y, r.width, r.height};
}

}  // namespace

void MainWindow::registerClasses(HINSTANCE instance) {
  registerWindowClass(instance, kClassName, procedure, true, true);
  PlayfieldWindow::registerClass(instance);
  PictureControl::registerClass(instance);
  DesignedWindow::registerClass(instance);
}

MainWindow::MainWindow(HINSTANCE instance, KeyRules& keys, SettingsStore& store, WavePlayer& player,
                       RandomSource& random, DisplayStore& displayStore,
                       std::string optionsLocation)
    : instance_(instance),
      keys_(keys),
      optionsLocation_(std::move(optionsLocation)),
      playfield_(labels_),
      session_(SessionPorts{keys, playfield_, *this, store, player, random}),
      display_(*this, monitor_, displayStore) {
  // Every label of the design, those on the playfield and those below it.
  for (const ControlDesign& c : mainWindowDesign().controls) {
    if (c.kind != ControlKind::Label) continue;
    ShownLabel shown;
    shown.design = &c;
    shown.caption = toUtf16(c.caption);
    shown.back = c.backColour ? toColorRef(*c.backColour) : GetSysColor(COLOR_BTNFACE);
    shown.fore = c.foreColour ? toColorRef(*c.foreColour) : GetSysColor(COLOR_BTNTEXT);
    labels_.push_back(shown);
  }
  for (LabelId id : kLabels) {
    for (size_t i = 0; i < labels_.size(); ++i) {
      if (labels_[i].design->name == labelName(id)) labelIndex_[id] = i;
    }
  }
}

MainWindow::~MainWindow() {
  options_.reset();
  about_.reset();
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

bool MainWindow::open(int showCommand) {
  const WindowDesign& design = mainWindowDesign();
  dpi_ = static_cast<int>(systemDpi());
  const PixelRect client = scaledClient(design, dpi_);
  const RECT outer = outerForClient(toRect(client), kStyle, 0, dpi_);
  window_ = CreateWindowExW(0, kClassName, toUtf16(design.caption).c_str(), kStyle, outer.left,
                            outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                            nullptr, instance_, this);
  if (!window_) return false;
  playfield_.create(window_, instance_);
  const ControlDesign& banner = design.control("creditBanner");
  creditBanner_ = std::make_unique<PictureControl>(
      window_, instance_, banner.caption.c_str(),
      [this](bool down, bool inside) {
        if (down) {
          session_.creditBannerPressed(inside);
        } else {
          session_.creditBannerReleased(inside);
        }
      },
      banner.tooltip);
  dpi_ = static_cast<int>(dpiForWindow(window_));
  display_.restore();
  showCommand_ = showCommand;
  // WM_TIMER still reaches the window while the end-of-level message box runs its own loop, so
  // a pad can close the box too.
  SetTimer(window_, kPadPollTimer, kPadPollIntervalMs, nullptr);
  session_.start();
  return true;
}

void MainWindow::showMainWindow() {
  ShowWindow(window_, showCommand_);
  UpdateWindow(window_);
}

void MainWindow::takeKeyboard() {
  if (!session_.ended()) playfield_.takeFocus();
}

PixelSize MainWindow::designSize() const {
  const PixelRect client = scaledClient(mainWindowDesign(), dpi_);
  return {client.width, client.height};
}

PixelSize MainWindow::frameSize() const {
  const RECT outer = outerForClient({0, 0, 0, 0}, kStyle, 0, static_cast<UINT>(dpi_));
  return {outer.right - outer.left, outer.bottom - outer.top};
}

PixelRect MainWindow::frame() const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  return toPixelRect(frame);
}

void MainWindow::moveFrameTo(int x, int y) {
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::showZoomed(int zoom, bool fullScreen) {
  // The monitor it lies on before its frame changes.
  const PixelRect screen = monitorAreas(window_).whole;
  const bool styleChanges = fullScreen != fullScreen_;
  if (styleChanges) {
    const LONG_PTR visible = GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(window_, GWL_STYLE, (fullScreen ? kFullScreenStyle : kStyle) | visible);
  }
  fullScreen_ = fullScreen;
  zoom_ = zoom;
  const PixelRect client = scaledClient(mainWindowDesign(), scale());
  if (fullScreen) {
    const PixelRect centred = fullScreenPicture({screen.width, screen.height}, designSize(), zoom);
    picture_ = {centred.x, centred.y, client.width, client.height};
  } else {
    picture_ = {0, 0, client.width, client.height};
  }
  layOutPicture();
  if (fullScreen) {
    SetWindowPos(window_, HWND_TOP, screen.x, screen.y, screen.width, screen.height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else {
    fitWindowedFrame(styleChanges);
  }
  // Open windows follow at once rather than at their next opening.
  if (optionsWindow()) options_->setZoom(zoom_);
  if (aboutWindow()) about_->setZoom(zoom_);
}

void MainWindow::fitWindowedFrame(bool frameChanged) {
  const RECT outer =
      outerForClient({0, 0, picture_.width, picture_.height}, kStyle, 0, static_cast<UINT>(dpi_));
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE;
  if (frameChanged) flags |= SWP_FRAMECHANGED;
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top, flags);
}

void MainWindow::layOutPicture() {
  // Fonts and pictures are made only for a new scale: every level lays the window out again at
  // the one it has, and making them afresh then would delay the first frame for nothing.
  const bool newScale = !fonts_ || scale() != fontsScale_;
  if (newScale) {
    fonts_ = std::make_unique<DesignFonts>(scale());
    fontsScale_ = scale();
  }
  const WindowDesign& design = mainWindowDesign();
  const PixelRect field = shifted(scaledControl(design.control("playfield"), scale()), picture_);
  SetWindowPos(playfield_.handle(), nullptr, field.x, field.y, field.width, field.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (newScale) playfield_.setDpi(scale(), *fonts_);
  const PixelRect banner =
      shifted(scaledControl(design.control("creditBanner"), scale()), picture_);
  SetWindowPos(creditBanner_->handle(), nullptr, banner.x, banner.y, banner.width, banner.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (newScale) creditBanner_->setDpi(scale());
  InvalidateRect(window_, nullptr, TRUE);
}

bool MainWindow::displayKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!root || (root != window_ && root != optionsWindow() && root != aboutWindow())) return false;
  const std::optional<DisplayCommand> command =
      displayCommand(static_cast<unsigned int>(message.wParam), GetKeyState(VK_CONTROL) < 0,
                     GetKeyState(VK_MENU) < 0);
  if (!command) return false;
  // One press, one step: a held key's repeats do nothing. In the options and About windows the
  // keys do nothing at all, and press no button there either.
  const bool autoRepeat = (message.lParam & (1L << 30)) != 0;
  if (!autoRepeat && root == window_ && !session_.ended()) display_.apply(*command);
  return true;
}

HWND MainWindow::optionsWindow() const {
  return options_ && options_->alive() ? options_->handle() : nullptr;
}

HWND MainWindow::aboutWindow() const {
  return about_ && about_->alive() ? about_->handle() : nullptr;
}

ShownLabel& MainWindow::label(LabelId id) { return labels_[labelIndex_.at(id)]; }

void MainWindow::labelChanged(const ShownLabel& shown) {
  if (shown.design->container.empty()) {
    if (window_) InvalidateRect(window_, nullptr, TRUE);
  } else {
    playfield_.labelsChanged();
  }
}

void MainWindow::setCaption(LabelId id, const std::string& caption) {
  ShownLabel& shown = label(id);
  shown.caption = toUtf16(caption);
  labelChanged(shown);
}

void MainWindow::setBackColor(LabelId id, Rgb colour) {
  ShownLabel& shown = label(id);
  shown.back = toColorRef(colour);
  labelChanged(shown);
}

void MainWindow::setLabelVisible(LabelId id, bool visible) {
  ShownLabel& shown = label(id);
  shown.visible = visible;
  labelChanged(shown);
}

void MainWindow::startTimer(TimerId timer, int intervalMs) {
  TickPacer& pacer = pacers_.try_emplace(timer, intervalMs).first->second;
  const std::int64_t now = nowUs();
  pacer.start(now);
  SetTimer(window_, timerIdentifier(timer), pacer.waitMs(now), nullptr);
}

void MainWindow::stopTimer(TimerId timer) { KillTimer(window_, timerIdentifier(timer)); }

void MainWindow::restoreDesignedGeometry() {
  if (!window_) return;
  layOutPicture();
  if (!fullScreen_) fitWindowedFrame(false);
}

void MainWindow::finishFrame() { UpdateWindow(playfield_.handle()); }

void MainWindow::showMessage(const std::string& caption, const std::string& text) {
  // Its buttons are those of Common Controls 6, as in the options window.
  useCommonControls();
  messageShown_ = true;
  MessageBoxW(window_, toUtf16(text).c_str(), toUtf16(caption).c_str(), MB_OK);
  messageShown_ = false;
  session_.messageClosed();
}

void MainWindow::closeMessage() {
  if (messageShown_) closeMessageBoxOf(window_);
}

void MainWindow::padAction(SecondaryWindow window, PadWindowAction action) {
  DesignedWindow* w = secondary(window);
  if (w && w->visible()) w->padAction(action);
}

DesignedWindow* MainWindow::secondary(SecondaryWindow window) const {
  if (window == SecondaryWindow::Options) return options_.get();
  return about_.get();
}

void MainWindow::createWindow(SecondaryWindow window) {
  // A window destroyed by its own close is let go only here, long after its last message.
  if (window == SecondaryWindow::Options) {
    options_.reset();
    options_ = std::make_unique<OptionsWindow>(window_, instance_, session_, zoom_);
  } else {
    about_.reset();
    about_ = std::make_unique<AboutWindow>(window_, instance_, session_, zoom_, optionsLocation_);
  }
}

void MainWindow::showWindow(SecondaryWindow window) {
  DesignedWindow* w = secondary(window);
  if (w && w->alive()) w->show();
}

void MainWindow::hideWindow(SecondaryWindow window) {
  DesignedWindow* w = secondary(window);
  if (w && w->alive()) w->hide();
}

void MainWindow::destroyWindow(SecondaryWindow window) {
  DesignedWindow* w = secondary(window);
  if (w && w->alive()) DestroyWindow(w->handle());
}

void MainWindow::quit() { PostQuitMessage(0); }

void MainWindow::timerWoke(TimerId timer) {
  const auto pacer = pacers_.find(timer);
  if (!session_.timerOn(timer) || pacer == pacers_.end()) return;
  if (pacer->second.wake(nowUs())) session_.timerFired(timer);
  // The system's timer waits only for the next tick that falls due.
  if (session_.timerOn(timer)) {
    SetTimer(window_, timerIdentifier(timer), pacer->second.waitMs(nowUs()), nullptr);
  }
}

void MainWindow::pollPads() {
  if (session_.ended()) {
    KillTimer(window_, kPadPollTimer);
    return;
  }
  session_.padsRead(pads_.read(GetTickCount64()));
}

void MainWindow::paintBars(HDC dc) {
  // The window's face lies under the picture only; black bars surround it.
  RECT area;
  GetClientRect(window_, &area);
  for (const PixelRect& bar : blackBars({area.right, area.bottom}, picture_)) {
    const RECT r = toRect(bar);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

void MainWindow::paintLabels(HDC dc) {
  for (const ShownLabel& shown : labels_) {
    if (!shown.visible || !shown.design->container.empty()) continue;
    const PixelRect r = shifted(scaledControl(*shown.design, scale()), picture_);
    RECT box = toRect(r);
    const HFONT font = fonts_->font(shown.design->font);
    if (shown.design->growsWithCaption) {
      box.right = std::max<LONG>(box.right, r.x + textWidth(dc, shown.caption, font));
    }
    drawLabel(dc, box, shown.caption, shown.back, shown.fore, font, shown.design->wraps);
  }
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowObject<MainWindow>(window, message, lParam);
  if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
  return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kPadPollTimer) pollPads();
      for (TimerId timer : {TimerId::Tick, TimerId::Listener, TimerId::MusicReplay}) {
        if (wParam == timerIdentifier(timer)) timerWoke(timer);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      if (fullScreen_) paintBars(dc);
      if (fonts_) paintLabels(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) takeKeyboard();
      return 0;
    case WM_ACTIVATEAPP:
      // Held keys are let go: their releases go to another program.
      if (!wParam) keys_.focusLost();
      return 0;
    case WM_SYSCOMMAND:
      // Alt or F10 alone would put the window into menu mode, and the next arrows would move
      // through its system menu instead of the monkey.
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) return 0;
      break;
    case WM_DPICHANGED: {
      // The suggested rectangle scales the window as it is; its size is worked out here again,
      // at the zoom that fits at the new resolution.
      dpi_ = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      if (!fullScreen_) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      display_.refit();
      return 0;
    }
    case WM_CONTEXTMENU: {
      // From the keyboard (Shift+F10, the menu key) the menu opens at the picture's corner.
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1) {
        at = {picture_.x, picture_.y};
        ClientToScreen(window_, &at);
      }
      if (session_.ended()) return 0;
      if (const auto choice = chooseFromDisplayMenu(window_, at, display_.menu())) {
        display_.choose(*choice);
      }
      return 0;
    }
    case WM_CLOSE:
      // Any close ends the game at once and is never refused.
      session_.mainWindowClosing();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}
