#pragma once

#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "play/music.h"
#include "settings/settings_store.h"

constexpr int kTickIntervalMs = 60;
constexpr int kListenIntervalMs = 100;

// When the game tick runs: the start and pause listener, the About trigger and quitting.
class PlayControl {
 public:
  PlayControl(KeyState& keys, MainWindowControls& controls, SettingsStore& store, Music& music)
      : keys_(keys), controls_(controls), store_(store), music_(music) {}

  // Polls F1, Space and Backspace in that order; only the first pressed key acts.
  void tmrListen_Timer();
  void Image1_Click();
  // The main window is closing, by any means: the program ends and the close is never refused.
  void Form_QueryUnload();

 private:
  KeyState& keys_;
  MainWindowControls& controls_;
  SettingsStore& store_;
  Music& music_;
};
