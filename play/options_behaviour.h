#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/main_window_controls.h"
#include "game/settings_store.h"
#include "play/music.h"
#include "play/play_control.h"

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
  OptionsBehaviour(Game& game, SettingsStore& store, Music& music, MainWindowControls& main,
                   PlayControl& play)
      : game_(game), store_(store), music_(music), main_(main), play_(play) {}

  // Sliders from the game state, held within their range; boxes from the store.
  OptionsChoices loadChoices();
  void applyProgression(int sliderValue);
  void applyJump(int sliderValue);
  void applyCrates(bool ticked);
  void applyMusic(bool ticked);
  // The main window's part of Resume Game, also when the window is closed any other way; the
  // options window hides or closes itself afterwards.
  void resumeGame();

 private:
  Game& game_;
  SettingsStore& store_;
  Music& music_;
  MainWindowControls& main_;
  PlayControl& play_;
};
