#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/key_state.h"
#include "game/main_window_controls.h"
#include "game/playfield.h"
#include "game/random_source.h"
#include "game/settings_store.h"

struct GamePorts {
  KeyState& keys;
  Playfield& playfield;
  MainWindowControls& controls;
  SettingsStore& store;
  RandomSource& random;
};

// The game of the main window: its state, starting a new game, the random layout of
// each level and the game tick. Everything outside the rules is reached through the ports.
class Game {
 public:
  explicit Game(const GamePorts& ports) : ports_(ports) {}

  // Puts level, score, jumps, the options and the cloud back to a new game's start.
  void startNewGame();
  // Chooses the player's start and the ledge with its gap, and draws the ledge.
  void layOutLedge();
  // Lays out the next level; on a new game (keepProgress 0) starts a new game first.
  void setUpLevel();
  // One game tick; a tick that comes while another is still running, or while the end-of-level
  // message is open, is dropped.
  void tick();
  bool landingMessageOpen() const { return landingPending_; }

  // The three values the options window shares with the game.
  int16_t progression() const { return state_.progression; }
  void setProgression(int16_t value) { state_.progression = value; }
  int16_t jumpSpeed() const { return state_.jumpSpeed; }
  void setJumpSpeed(int16_t value) { state_.jumpSpeed = value; }
  int16_t noCrates() const { return state_.noCrates; }
  void setNoCrates(int16_t value) { state_.noCrates = value; }

  const GameState& state() const { return state_; }
  // Direct access for tests and tools that need to stage rare situations.
  GameState& state() { return state_; }

 private:
  // Polls the seven keys of the tick; false when Escape ended the program.
  bool pollKeys();
  void flipPose();
  void moveCloud();
  void handleCrate();
  void endLevel();
  // The rest of the landing, once its message is closed: the next level or a new game.
  void finishLanding(bool won);
  void drawLedge(int16_t y, std::optional<Rgb> colour);

  GamePorts ports_;
  GameState state_;
  bool tickRunning_ = false;
  bool landingPending_ = false;
};
