#include "win32/main_window.h"

#include <algorithm>

#include "design/main_window_design.h"
#include "win32/common_controls.h"
#include "win32/dpi.h"
#include "win32/scaled_design.h"
#include "win32/utf16.h"
#include "win32/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"ZundabarMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr LabelId kLabels[] = {LabelId::StartPrompt, LabelId::JumpsCaption, LabelId::Level,
                               LabelId::Jumps, LabelId::Score};

// The timers' identifiers: SetTimer takes none of 0.
UINT_PTR timerIdentifier(TimerId timer) { return static_cast<UINT_PTR>(timer) + 1; }

RECT toRect(PixelRect r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

}  // namespace

void MainWindow::registerClasses(HINSTANCE instance) {
  registerWindowClass(instance, kClassName, procedure, true, true);
  PlayfieldWindow::registerClass(instance);
  PictureControl::registerClass(instance);
  DesignedWindow::registerClass(instance);
}

MainWindow::MainWindow(HINSTANCE instance, KeyRules& keys, SettingsStore& store, WavePlayer& player,
                       RandomSource& random)
    : instance_(instance),
      keys_(keys),
      store_(store),
      playfield_(labels_),
      game_(GamePorts{keys, playfield_, *this, store, random}),
      music_(store, player),
      playControl_(keys, *this, store, music_) {
  // Every label of the design, those on the playfield and those below it.
  for (const ControlDesign& c : mainWindowDesign().controls) {
    if (c.kind != ControlKind::Label) continue;
    ShownLabel shown;
    shown.design = &c;
    shown.caption = toUtf16(c.caption);
    shown.back = c.backColour ? toColorRef(*c.backColour) : GetSysColor(COLOR_BTNFACE);
    shown.fore = c.foreColour ? toColorRef(*c.foreColour) : GetSysColor(COLOR_BTNTEXT);
    shown.growsWithCaption = c.font == FontRole::Number;
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
      [this] {
        if (!ended_) playControl_.openAbout();
      },
      toUtf16(banner.tooltip));
  layOut(static_cast<int>(dpiForWindow(window_)), nullptr);

  for (const TimerDesign& timer : design.timers) {
    if (timer.initiallyOn) setTimer(timer.id, true);
  }
  game_.setUpLevel();
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  playfield_.takeFocus();
  return true;
}

void MainWindow::layOut(int dpi, const RECT* suggested) {
  // Fonts and pictures are made only for a new resolution: every level lays the window out
  // again at the one it has, and making them afresh then would delay the first frame for nothing.
  const bool newDpi = !fonts_ || dpi != dpi_;
  dpi_ = dpi;
  if (newDpi) fonts_ = std::make_unique<DesignFonts>(dpi);
  const WindowDesign& design = mainWindowDesign();
  const PixelRect field = scaledControl(design.control("playfield"), dpi);
  SetWindowPos(playfield_.handle(), nullptr, field.x, field.y, field.width, field.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (newDpi) playfield_.setDpi(dpi, *fonts_);
  const PixelRect banner = scaledControl(design.control("creditBanner"), dpi);
  SetWindowPos(creditBanner_->handle(), nullptr, banner.x, banner.y, banner.width, banner.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (newDpi) creditBanner_->setDpi(dpi);

  const PixelRect client = scaledClient(design, dpi);
  const RECT outer = outerForClient({0, 0, client.width, client.height}, kStyle, 0, dpi);
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!suggested) flags |= SWP_NOMOVE;
  SetWindowPos(window_, nullptr, suggested ? suggested->left : 0, suggested ? suggested->top : 0,
               outer.right - outer.left, outer.bottom - outer.top, flags);
  InvalidateRect(window_, nullptr, TRUE);
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

void MainWindow::setTimer(TimerId timer, bool on) {
  // Switching on a timer that already runs must not restart its period.
  bool& running = timersOn_[timer];
  if (on && !ended_ && !running) {
    for (const TimerDesign& t : mainWindowDesign().timers) {
      if (t.id == timer) SetTimer(window_, timerIdentifier(timer), t.intervalMs, nullptr);
    }
    running = true;
  } else if (!on && running) {
    KillTimer(window_, timerIdentifier(timer));
    running = false;
  }
}

bool MainWindow::timerOn(TimerId timer) const {
  const auto found = timersOn_.find(timer);
  return found != timersOn_.end() && found->second;
}

void MainWindow::restoreDesignedGeometry() {
  if (window_) layOut(dpi_, nullptr);
}

void MainWindow::showMessage(const std::string& text) {
  // The box opens inside a tick: the frame the tick drew shows beneath it.
  UpdateWindow(playfield_.handle());
  // Its buttons are those of Common Controls 6, as in the options window.
  useCommonControls();
  MessageBoxW(window_, toUtf16(text).c_str(), L"Zundabar", MB_OK);
  if (!ended_) playfield_.takeFocus();
}

void MainWindow::showOptions() {
  if (!optionsWindow()) {
    options_.reset();
    options_ = std::make_unique<OptionsWindow>(
        window_, instance_, OptionsBehaviour(game_, store_, music_, *this, playControl_));
  }
  options_->show();
}

void MainWindow::showAbout() {
  if (!aboutWindow()) {
    about_.reset();
    about_ = std::make_unique<AboutWindow>(window_, instance_, playControl_);
  }
  about_->show();
}

void MainWindow::endProgram() {
  ended_ = true;
  for (auto& [timer, running] : timersOn_) {
    if (running) KillTimer(window_, timerIdentifier(timer));
    running = false;
  }
  PostQuitMessage(0);
}

void MainWindow::timerFired(TimerId timer) {
  if (ended_ || !timerOn(timer)) return;
  switch (timer) {
    case TimerId::Tick:
      game_.tick();
      break;
    case TimerId::Listener:
      playControl_.pollStartKeys();
      break;
    case TimerId::MusicReplay:
      music_.step();
      break;
  }
}

void MainWindow::paintLabels(HDC dc) {
  for (const ShownLabel& shown : labels_) {
    if (!shown.visible || !shown.design->container.empty()) continue;
    const PixelRect r = scaledControl(*shown.design, dpi_);
    RECT box = toRect(r);
    const HFONT font = fonts_->font(shown.design->font);
    if (shown.growsWithCaption) {
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
      for (TimerId timer : {TimerId::Tick, TimerId::Listener, TimerId::MusicReplay}) {
        if (wParam == timerIdentifier(timer)) timerFired(timer);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      if (fonts_) paintLabels(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !ended_) playfield_.takeFocus();
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
    case WM_DPICHANGED:
      layOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      // Any close ends the game at once and is never refused.
      playControl_.mainWindowClosing();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}
