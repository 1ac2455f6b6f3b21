#include "web/page_main_window.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

#include "design/about_window_design.h"
#include "design/display_rules.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "design/page_scale.h"
#include "design/slider_settings.h"
#include "web/local_storage_store.h"
#include "web/page.h"

namespace {

int windowIndex(SecondaryWindow window) { return window == SecondaryWindow::Options ? 0 : 1; }

const WindowDesign& designOf(SecondaryWindow window) {
  return window == SecondaryWindow::Options ? optionsWindowDesign() : aboutWindowDesign();
}

PixelSize sizeOf(const PixelRect& r) { return {r.width, r.height}; }

// The right-click menu's keys: F11 stays the browser's own full screen.
constexpr char kFullScreenKeys[] = "Alt+Enter";

}  // namespace

PageMainWindow::PageMainWindow(SettingsStore& store, WavePlayer& player, RandomSource& random,
                               PagePictures& pictures, PageFonts& fonts)
    : pictures_(pictures),
      fonts_(fonts),
      playfield_(labels_, pictures, fonts, [this] { changed(); }),
      timers_([this](TimerId timer) { session_.timerFired(timer); },
              [this] { session_.padsRead(pads_.read()); }),
      session_(SessionPorts{keys_, playfield_, *this, store, player, random}) {
  for (const ControlDesign& c : mainWindowDesign().controls) {
    if (c.kind != ControlKind::Label) continue;
    labels_.push_back({&c, c.caption, c.backColour.value_or(kButtonFace),
                       c.foreColour.value_or(kButtonText), true});
    pageLabel(c.name.c_str(), c.caption.c_str(), 1);
  }
}

PageMainWindow::~PageMainWindow() {
  if (drawPending_) emscripten_cancel_animation_frame(frameRequest_);
}

PageLabel& PageMainWindow::label(LabelId id) {
  for (PageLabel& l : labels_) {
    if (l.design->name == labelName(id)) return l;
  }
  return labels_.front();
}

void PageMainWindow::labelChanged(const PageLabel& changedLabel) {
  pageLabel(changedLabel.design->name.c_str(), changedLabel.caption.c_str(),
            changedLabel.visible ? 1 : 0);
  if (changedLabel.design->container.empty()) {
    chromeValid_ = false;
  } else {
    playfield_.layerChanged();
  }
  changed();
}

void PageMainWindow::setCaption(LabelId id, const std::string& caption) {
  PageLabel& l = label(id);
  if (l.caption == caption) return;
  l.caption = caption;
  labelChanged(l);
}

void PageMainWindow::setBackColor(LabelId id, Rgb colour) {
  PageLabel& l = label(id);
  if (l.back == colour) return;
  l.back = colour;
  labelChanged(l);
}

void PageMainWindow::setLabelVisible(LabelId id, bool visible) {
  PageLabel& l = label(id);
  if (l.visible == visible) return;
  l.visible = visible;
  labelChanged(l);
}

void PageMainWindow::restoreDesignedGeometry() {
  // The page's layout never changes with the game: it is the design at the page's scale.
  changed();
}

void PageMainWindow::changed() {
  if (!shown_ || drawPending_ || ended_) return;
  drawPending_ = true;
  frameRequest_ = emscripten_request_animation_frame(
      [](double time, void* self) -> EM_BOOL {
        drawSoon(time, self);
        return EM_FALSE;
      },
      this);
}

void PageMainWindow::drawSoon(double, void* self) {
  auto& window = *static_cast<PageMainWindow*>(self);
  window.drawPending_ = false;
  window.draw();
}

void PageMainWindow::finishFrame() {
  if (drawPending_) emscripten_cancel_animation_frame(frameRequest_);
  drawPending_ = false;
  if (shown_ && !ended_) draw();
}

void PageMainWindow::draw() {
  const WindowDesign& design = mainWindowDesign();
  if (!chromeValid_) {
    const PixelRect client = design.clientPixels();
    pageFillRect(0, 0, client.width * scale_, client.height * scale_, toPageColour(kButtonFace));
    for (const PageLabel& l : labels_) {
      if (l.visible && l.design->container.empty()) {
        drawPageLabel(l, placeInWindow(design, *l.design, scale_), scale_, fonts_);
      }
    }
    const ControlDesign& banner = design.control("creditBanner");
    const PixelRect at = placeInWindow(design, banner, scale_);
    const int id = pictures_.id(banner.caption);
    if (id >= 0) pageDrawPicture(id, at.x, at.y);
    chromeValid_ = true;
  }
  playfield_.draw();
  if (!drawn_) pageFirstFrame();
  drawn_ = true;
}

void PageMainWindow::showMainWindow() {
  shown_ = true;
  layOut();
}

void PageMainWindow::layOut() {
  if (!shown_) return;
  pageShowTouchButtons(pageHasTouch());
  ratio_ = emscripten_get_device_pixel_ratio();
  if (!(ratio_ > 0)) ratio_ = 1;
  int room[2] = {};
  pageRoom(room);
  EmscriptenFullscreenChangeEvent status{};
  fullScreen_ =
      emscripten_get_fullscreen_status(&status) == EMSCRIPTEN_RESULT_SUCCESS && status.isFullscreen;
  const PixelSize roomDevice{static_cast<int>(std::lround(room[0] * ratio_)),
                             static_cast<int>(std::lround(room[1] * ratio_))};
  const WindowDesign& design = mainWindowDesign();
  const PixelSize designSize = sizeOf(design.clientPixels());
  scale_ = fullScreen_ ? fullScreenPageScale(roomDevice, designSize)
                       : pageScale(ratio_, roomDevice, designSize);
  // The stage starts on a whole device pixel, so that no pixel of the game is blurred.
  int x = std::max(0, (roomDevice.width - designSize.width * scale_) / 2);
  int y = 0;
  if (fullScreen_) {
    const PixelRect centred = fullScreenPicture(roomDevice, designSize, scale_);
    x = centred.x;
    y = centred.y;
  }
  stageX_ = x / ratio_;
  stageY_ = y / ratio_;
  const double css = scale_ / ratio_;
  pageSetStage(stageX_, stageY_, designSize.width * css, designSize.height * css,
               designSize.width * scale_, designSize.height * scale_, fullScreen_ ? 1 : 0);
  const PixelRect banner = design.control("creditBanner").pixels();
  pagePlaceElement("creditBanner", banner.x * css, banner.y * css, banner.width * css,
                   banner.height * css);
  pictures_.makeAt(scale_);
  playfield_.layerChanged();
  chromeValid_ = false;
  if (!ended_) draw();
  for (const auto& [window, page] : windows_) placeWindow(window);
}

void PageMainWindow::placeWindow(SecondaryWindow window) {
  PageWindow* page = secondary(window);
  if (!page) return;
  const WindowDesign& design = page->design();
  const WindowDesign& main = mainWindowDesign();
  const PixelRect client = design.clientPixels();
  const PixelRect mainClient = main.clientPixels();
  // In device pixels: at its designed place beside the main window, or centred over it.
  PixelRect at{(mainClient.width - client.width) / 2, (mainClient.height - client.height) / 2,
               client.width, client.height};
  if (design.placement)
    at = {client.x - mainClient.x, client.y - mainClient.y, client.width, client.height};
  at = zoomedRect(at, scale_);
  const int title = static_cast<int>(std::lround(PageWindow::titleHeight(scale_, ratio_) * ratio_));
  int room[2] = {};
  pageRoom(room);
  const PixelRect frame{at.x + static_cast<int>(std::lround(stageX_ * ratio_)),
                        at.y - title + static_cast<int>(std::lround(stageY_ * ratio_)), at.width,
                        at.height + title};
  const PixelRect inside = placeInside(
      frame, {0, 0, static_cast<int>(room[0] * ratio_), static_cast<int>(room[1] * ratio_)});
  page->place(inside.x / ratio_, (inside.y + title) / ratio_, scale_, ratio_);
}

PageWindow* PageMainWindow::secondary(SecondaryWindow window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.get();
}

void PageMainWindow::takeKeyboard() {
  if (!ended_) pageFocusGame();
}

void PageMainWindow::showMessage(const std::string& caption, const std::string& text) {
  pageShowMessage(caption.c_str(), text.c_str(),
                  fonts_.cssFont(FontRole::Default, scale_, ratio_).c_str());
}

void PageMainWindow::createWindow(SecondaryWindow window) {
  windows_[window] =
      std::make_unique<PageWindow>(windowIndex(window), designOf(window), pictures_, fonts_);
  PageWindow& page = *windows_[window];
  if (window == SecondaryWindow::Options) {
    loadChoices();
  } else {
    const ControlDesign& location = page.design().control("optionsLocation");
    page.describe(location, optionsLocationTooltip("this browser's storage for this page, under " +
                                                   LocalStorageOptions::itemName("")));
  }
  placeWindow(window);
}

void PageMainWindow::loadChoices() {
  PageWindow* page = secondary(SecondaryWindow::Options);
  const std::vector<int> choices = session_.optionChoices();
  for (size_t i = 0; i < options::kAll.size() && i < choices.size(); ++i) {
    const ControlDesign* choice = page->design().forOption(*options::kAll[i], OptionRole::Choice);
    if (!choice) continue;
    page->setValue(*choice, choices[i]);
    showValue(*options::kAll[i]);
  }
}

void PageMainWindow::showValue(const options::Option& option) {
  PageWindow* page = secondary(SecondaryWindow::Options);
  if (!page) return;
  const ControlDesign* value = page->design().forOption(option, OptionRole::ValueLabel);
  const ControlDesign* choice = page->design().forOption(option, OptionRole::Choice);
  if (value && choice) {
    page->setText(*value, PlaySession::sliderValueText(page->value(*choice)));
  }
}

void PageMainWindow::showWindow(SecondaryWindow window) {
  if (PageWindow* page = secondary(window)) page->show();
}

void PageMainWindow::hideWindow(SecondaryWindow window) {
  if (PageWindow* page = secondary(window)) page->hide();
}

void PageMainWindow::destroyWindow(SecondaryWindow window) { windows_.erase(window); }

void PageMainWindow::closeMessage() { pageCloseMessage(); }

void PageMainWindow::padAction(SecondaryWindow window, PadWindowAction action) {
  if (PageWindow* page = secondary(window)) page->padAction(action);
}

void PageMainWindow::quit() {
  ended_ = true;
  timers_.stopPadPoll();
  windows_.clear();
  pageShowEnded();
}

void PageMainWindow::controlPressed(int window, int control) {
  const SecondaryWindow which = window == 0 ? SecondaryWindow::Options : SecondaryWindow::About;
  PageWindow* page = secondary(which);
  if (!page || control < 0 || control >= static_cast<int>(page->design().controls.size())) return;
  const ControlDesign& c = page->design().controls[control];
  if (c.kind != ControlKind::PushButton) return;
  if (which == SecondaryWindow::About) {
    session_.aboutClosePressed();
  } else if (c.optionRole == OptionRole::SetButton && c.option) {
    const ControlDesign* choice = page->design().forOption(*c.option, OptionRole::Choice);
    if (choice) session_.applyOption(*c.option, page->value(*choice));
  } else if (c.optionRole == OptionRole::None) {
    // Resume Game, the one button that serves no option.
    session_.resumeGamePressed();
  }
}

void PageMainWindow::sliderMoved(int window, int control) {
  PageWindow* page = secondary(window == 0 ? SecondaryWindow::Options : SecondaryWindow::About);
  if (!page || control < 0 || control >= static_cast<int>(page->design().controls.size())) return;
  // The value label follows the thumb while it moves.
  if (const options::Option* option = page->design().controls[control].option) {
    showValue(*option);
  }
}

void PageMainWindow::windowClosed(int window) {
  session_.windowClosedOtherwise(window == 0 ? SecondaryWindow::Options : SecondaryWindow::About);
}

void PageMainWindow::bannerPressed(bool down, bool inside) {
  if (ended_) return;
  if (down) {
    session_.creditBannerPressed(inside);
  } else {
    session_.creditBannerReleased(inside);
  }
}

KeyPlace PageMainWindow::keyPlace(std::optional<ControlKind>& control) const {
  if (ended_) return KeyPlace::Ended;
  int focus[2] = {};
  pageFocus(focus);
  if (focus[0] == -2) return KeyPlace::Message;
  if (focus[0] < 0) return KeyPlace::Game;
  const PageWindow* page =
      secondary(focus[0] == 0 ? SecondaryWindow::Options : SecondaryWindow::About);
  if (page && focus[1] >= 0 && focus[1] < static_cast<int>(page->design().controls.size())) {
    control = page->design().controls[focus[1]].kind;
  }
  return KeyPlace::Control;
}

bool PageMainWindow::keyDown(unsigned int keyCode, KeyModifiers modifiers, bool autoRepeat) {
  std::optional<ControlKind> control;
  const KeyPlace place = keyPlace(control);
  if (place == KeyPlace::Control && control == ControlKind::Slider &&
      (keyCode == kPageUpKeyCode || keyCode == kPageDownKeyCode)) {
    // The sliders page by their designed step, which the browser's range input does not know.
    int focus[2] = {};
    pageFocus(focus);
    const int step = keyCode == kPageUpKeyCode ? kOptionSlider.pageStep : -kOptionSlider.pageStep;
    const int value = std::clamp(pageControlValue(focus[0], focus[1]) + step, kOptionSlider.minimum,
                                 kOptionSlider.maximum);
    pageControlSetValue(focus[0], focus[1], value);
    sliderMoved(focus[0], focus[1]);
    return true;
  }
  const KeyRoute route = routeKeyDown(keyCode, modifiers, place, control);
  if (route.toggleFullScreen && !autoRepeat) toggleFullScreen();
  if (route.gameKey) keys_.keyDown(*route.gameKey, autoRepeat, route.usedByWindow);
  return route.keptFromBrowser;
}

bool PageMainWindow::keyUp(unsigned int keyCode) {
  std::optional<ControlKind> control;
  const KeyRoute route = routeKeyUp(keyCode, keyPlace(control));
  if (route.gameKey) keys_.keyUp(*route.gameKey, false);
  return route.keptFromBrowser;
}

void PageMainWindow::touchKey(VirtualKey key, bool down) {
  if (ended_) return;
  if (down) {
    keys_.keyDown(key, false, false);
  } else {
    keys_.keyUp(key, false);
  }
}

void PageMainWindow::pageHidden(bool hidden) {
  if (hidden) {
    keys_.focusLost();
    timers_.freeze();
  } else {
    timers_.thaw();
  }
  pageSuspendSound(hidden ? 1 : 0);
}

void PageMainWindow::showMenu(double x, double y) {
  if (ended_) return;
  pageShowMenu(x, y, std::string(kFullScreenText).c_str(), kFullScreenKeys, fullScreen_ ? 1 : 0);
}

void PageMainWindow::toggleFullScreen() {
  if (!ended_) pageToggleFullScreen();
}
