#include "play/play_control.h"

#include "game/option_rules.h"

void PlayControl::pollStartKeys() {
  if (keys_.pressed(VirtualKey::F1)) {
    controls_.setTimer(TimerId::Tick, false);
    controls_.showOptions();
    controls_.setTimer(TimerId::Listener, false);
    return;
  }
  if (keys_.pressed(VirtualKey::Space)) {
    controls_.setLabelVisible(LabelId::StartPrompt, false);
    switchTickOn();
    music_.step();
    // The step above has left "True" or "False" behind.
    if (store_.get(std::string(options::kMusic.key)) == options::kTrueText) {
      controls_.setTimer(TimerId::MusicReplay, true);
    }
    controls_.setTimer(TimerId::Listener, false);
    return;
  }
  if (keys_.pressed(VirtualKey::Backspace)) {
    if (controls_.timerOn(TimerId::Tick)) {
      // Both timers run only after the About window closed over a paused game or the prompt.
      // This pauses, and the listener keeps polling: with both off no key would continue.
      controls_.setTimer(TimerId::Tick, false);
      return;
    }
    switchTickOn();
    controls_.setTimer(TimerId::Listener, false);
  }
}

void PlayControl::openAbout() {
  controls_.setTimer(TimerId::Tick, false);
  controls_.showAbout();
}

void PlayControl::closeAbout() {
  controls_.setLabelVisible(LabelId::StartPrompt, false);
  switchTickOn();
}

void PlayControl::resumeFromOptions() {
  controls_.setLabelVisible(LabelId::StartPrompt, false);
  switchTickOn();
  controls_.setTimer(TimerId::Listener, false);
}

void PlayControl::mainWindowClosing() { controls_.endProgram(); }

void PlayControl::switchTickOn() {
  if (controls_.timerOn(TimerId::Tick)) return;
  keys_.forget(VirtualKey::Escape);
  controls_.setTimer(TimerId::Tick, true);
}
