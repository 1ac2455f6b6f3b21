#pragma once

#include <vector>

#include "game/game.h"
#include "game/main_window_controls.h"
#include "game/option_rules.h"
#include "game/settings_store.h"
#include "play/music.h"
#include "play/play_control.h"

// The options window's behaviour: each Set button applies its one option to the running game
// and stores it in the same step; Resume Game goes back to play.
class OptionsBehaviour {
 public:
  OptionsBehaviour(Game& game, SettingsStore& store, Music& music, MainWindowControls& main,
                   PlayControl& play)
      : game_(game), store_(store), music_(music), main_(main), play_(play) {}

  // What each option's control shows when the window is loaded, in the order of options::kAll:
  // a slider's value, or 1 for a ticked box and 0 for a clear one. The sliders of the game's
  // numbers show the game state, held within their range; every other option is read from the
  // store.
  std::vector<int> loadChoices();
  // A Set button: a slider's value, or a box's 1 or 0.
  void apply(const options::Option& option, int value);
  // The main window's part of Resume Game, also when the window is closed any other way; the
  // options window hides or closes itself afterwards.
  void resumeGame();

 private:
  int load(const options::Option& option);

  Game& game_;
  SettingsStore& store_;
  Music& music_;
  MainWindowControls& main_;
  PlayControl& play_;
};
