#pragma once

#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "game/settings_store.h"
#include "play/music.h"

constexpr int kTickIntervalMs = 60;
constexpr int kListenIntervalMs = 100;

// When the game tick runs: the start and pause listener, the About window, going back to play
// from the options window, and quitting.
class PlayControl {
 public:
  PlayControl(KeyState& keys, MainWindowControls& controls, SettingsStore& store, Music& music)
      : keys_(keys), controls_(controls), store_(store), music_(music) {}

  // Polls F1, Space and Backspace in that order; only the first pressed key acts.
  void pollStartKeys();
  void openAbout();
  // The About window is gone, by its Close button or any other way; the listener stays as it is.
  void closeAbout();
  // Resume Game in the options window, or the window closed any other way.
  void resumeFromOptions();
  // The main window is closing, by any means: the program ends and the close is never refused.
  void mainWindowClosing();

 private:
  // Only the tick polls Escape, so an Escape pressed while it was off would otherwise end the
  // game at its first tick; an Escape still held then does end it.
  void switchTickOn();

  KeyState& keys_;
  MainWindowControls& controls_;
  SettingsStore& store_;
  Music& music_;
};
