#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/main_window_controls.h"
#include "play/music.h"
#include "settings/settings_store.h"

// What the options window's controls show when it is loaded.
struct OptionsChoices {
  int16_t progression;
  int16_t jump;
  bool cratesTicked;
  bool musicTicked;
};

// The options window's behaviour: each Set button applies its one option to the running game
// and stores it in the same step; Resume Game goes back to play.
class OptionsBehaviour {
 public:
  OptionsBehaviour(Game& game, SettingsStore& store, Music& music, MainWindowControls& main)
      : game_(game), store_(store), music_(music), main_(main) {}

  // Sliders from the game state, held within their range; boxes from the store.
  OptionsChoices Form_Load();
  void cmdProgression_Click(int sliderValue);
  void cmdJump_Click(int sliderValue);
  void cmdCrate_Click(bool ticked);
  void cmdMusic_Click(bool ticked);
  // The main window's part of Resume Game; the options window hides itself afterwards.
  void cmdResume_Click();

 private:
  Game& game_;
  SettingsStore& store_;
  Music& music_;
  MainWindowControls& main_;
};
