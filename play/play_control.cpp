#include "play/play_control.h"

#include "settings/option_rules.h"

void PlayControl::tmrListen_Timer() {
  if (keys_.pressed(VirtualKey::F1)) {
    controls_.setTimer(TimerId::Timer1, false);
    controls_.showOptions();
    controls_.setTimer(TimerId::tmrListen, false);
    return;
  }
  if (keys_.pressed(VirtualKey::Space)) {
    controls_.setLabelVisible(LabelId::Label1, false);
    controls_.setTimer(TimerId::Timer1, true);
    music_.tmrMusic_Timer();
    // The step above has left "True" or "False" behind.
    if (store_.get(options::kMusicKey) == options::kTrueText) {
      controls_.setTimer(TimerId::tmrMusic, true);
    }
    controls_.setTimer(TimerId::tmrListen, false);
    return;
  }
  if (keys_.pressed(VirtualKey::Backspace)) {
    controls_.setTimer(TimerId::Timer1, !controls_.timerOn(TimerId::Timer1));
    controls_.setTimer(TimerId::tmrListen, false);
  }
}

void PlayControl::Image1_Click() {
  controls_.setTimer(TimerId::Timer1, false);
  controls_.showAbout();
}

void PlayControl::Form_QueryUnload() { controls_.endProgram(); }
