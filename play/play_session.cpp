#include "play/play_session.h"

#include <utility>
#include <vector>

namespace {

constexpr char kMessageCaption[] = "Zundabar";

int intervalMs(TimerId timer) {
  switch (timer) {
    case TimerId::Tick:
      return kTickIntervalMs;
    case TimerId::Listener:
      return kListenIntervalMs;
    case TimerId::MusicReplay:
      return kMusicReplayIntervalMs;
  }
  return kTickIntervalMs;
}

}  // namespace

PlaySession::PlaySession(const SessionPorts& ports)
    : windows_(ports.windows),
      keys_(ports.keys, pads_.keys()),
      game_(GamePorts{keys_, ports.playfield, *this, ports.store, ports.random}),
      music_(ports.store, ports.player),
      play_(keys_, *this, ports.store, music_),
      options_(game_, ports.store, music_, *this, play_) {}

void PlaySession::start() {
  // The listener polls from the start; the first level's setup switches the tick off itself.
  setTimer(TimerId::Listener, true);
  game_.setUpLevel();
  windows_.showMainWindow();
  windows_.takeKeyboard();
}

void PlaySession::timerFired(TimerId timer) {
  if (ended_ || !timerOn(timer)) return;
  switch (timer) {
    case TimerId::Tick:
      // Firings while the end-of-level message is open are dropped, and ticks never nest.
      if (messageOpen()) return;
      tickNow();
      break;
    case TimerId::Listener:
      play_.pollStartKeys();
      break;
    case TimerId::MusicReplay:
      music_.step();
      break;
  }
}

void PlaySession::tickNow() {
  game_.tick();
  if (!ended_) windows_.finishFrame();
}

void PlaySession::showMessage(const std::string& text, std::function<void()> closed) {
  if (ended_) return;
  pendingMessage_ = std::move(closed);
  // The message opens over the frame the landing tick drew.
  windows_.finishFrame();
  windows_.showMessage(kMessageCaption, text);
}

void PlaySession::messageClosed() {
  if (!pendingMessage_ || ended_) return;
  const std::function<void()> landing = std::move(pendingMessage_);
  pendingMessage_ = nullptr;
  landing();
  // Play goes on at once, at the main window.
  if (!ended_) windows_.takeKeyboard();
}

PadScene PlaySession::padScene() const {
  if (messageOpen()) return PadScene::Message;
  if (!frontOrder_.empty()) {
    return frontOrder_.back() == SecondaryWindow::Options ? PadScene::OptionsWindow
                                                          : PadScene::AboutWindow;
  }
  if (timerOn(TimerId::Tick)) return PadScene::Playing;
  return startPromptVisible_ ? PadScene::StartPrompt : PadScene::Paused;
}

void PlaySession::padsRead(const PadReadings& pads) {
  if (ended_) return;
  const PadScene scene = padScene();
  for (PadWindowAction action : pads_.read(pads, scene)) {
    // A press that closed the window leaves the ones after it nothing to act on.
    if (ended_ || padScene() != scene) return;
    if (scene == PadScene::Message) {
      if (action == PadWindowAction::Press || action == PadWindowAction::Close) {
        windows_.closeMessage();
      }
      continue;
    }
    const SecondaryWindow window =
        scene == PadScene::OptionsWindow ? SecondaryWindow::Options : SecondaryWindow::About;
    if (action != PadWindowAction::Close) {
      windows_.padAction(window, action);
    } else if (window == SecondaryWindow::Options) {
      resumeGamePressed();
    } else {
      aboutClosePressed();
    }
  }
}

void PlaySession::creditBannerReleased(bool inside) {
  if (bannerClick_.release(inside) && !ended_) play_.openAbout();
}

void PlaySession::resumeGamePressed() {
  if (ended_ || !shown_.at(SecondaryWindow::Options)) return;
  // Play is back on before the window goes.
  options_.resumeGame();
  hideSecondary(SecondaryWindow::Options);
}

void PlaySession::aboutClosePressed() {
  if (ended_ || !shown_.at(SecondaryWindow::About)) return;
  hideSecondary(SecondaryWindow::About);
  play_.closeAbout();
}

void PlaySession::windowClosedOtherwise(SecondaryWindow window) {
  if (!made_.at(window)) return;
  if (!ended_ && shown_.at(window)) {
    if (window == SecondaryWindow::Options) {
      options_.resumeGame();
    } else {
      play_.closeAbout();
    }
  }
  shown_[window] = false;
  std::erase(frontOrder_, window);
  made_[window] = false;
  // Its next showing makes it afresh, with its controls loaded again.
  windows_.destroyWindow(window);
  if (!ended_) windows_.takeKeyboard();
}

void PlaySession::setTimer(TimerId timer, bool on) {
  bool& running = timersOn_.at(timer);
  if (on && !ended_ && !running) {
    running = true;
    windows_.startTimer(timer, intervalMs(timer));
  } else if (!on && running) {
    running = false;
    windows_.stopTimer(timer);
  }
}

void PlaySession::showOptions() { showSecondary(SecondaryWindow::Options); }

void PlaySession::showAbout() { showSecondary(SecondaryWindow::About); }

void PlaySession::showSecondary(SecondaryWindow window) {
  if (ended_) return;
  if (!made_.at(window)) {
    windows_.createWindow(window);
    made_[window] = true;
  }
  shown_[window] = true;
  std::erase(frontOrder_, window);
  frontOrder_.push_back(window);
  windows_.showWindow(window);
}

void PlaySession::hideSecondary(SecondaryWindow window) {
  shown_[window] = false;
  std::erase(frontOrder_, window);
  windows_.hideWindow(window);
  if (!ended_) windows_.takeKeyboard();
}

void PlaySession::setCaption(LabelId label, const std::string& caption) {
  windows_.setCaption(label, caption);
}

void PlaySession::setBackColor(LabelId label, Rgb colour) { windows_.setBackColor(label, colour); }

void PlaySession::setLabelVisible(LabelId label, bool visible) {
  if (label == LabelId::StartPrompt) startPromptVisible_ = visible;
  windows_.setLabelVisible(label, visible);
}

void PlaySession::restoreDesignedGeometry() { windows_.restoreDesignedGeometry(); }

void PlaySession::endProgram() {
  if (ended_) return;
  ended_ = true;
  for (auto& [timer, running] : timersOn_) {
    if (running) windows_.stopTimer(timer);
    running = false;
  }
  pendingMessage_ = nullptr;
  windows_.quit();
}
