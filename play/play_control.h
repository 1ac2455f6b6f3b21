#pragma once

#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "game/settings_store.h"
#include "play/music.h"

constexpr int kTickIntervalMs = 60;
constexpr int kListenIntervalMs = 100;

// When the game tick runs: the start and pause listener, the About trigger and quitting.
class PlayControl {
 public:
  PlayControl(KeyState& keys, MainWindowControls& controls, SettingsStore& store, Music& music)
      : keys_(keys), controls_(controls), store_(store), music_(music) {}

  // Polls F1, Space and Backspace in that order; only the first pressed key acts.
  void pollStartKeys();
  void openAbout();
  // The main window is closing, by any means: the program ends and the close is never refused.
  void mainWindowClosing();

 private:
  KeyState& keys_;
  MainWindowControls& controls_;
  SettingsStore& store_;
  Music& music_;
};
