#pragma once

#include <cstdint>

// Truth values in the game state are 16-bit: True is -1, False is 0.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// The record of a game in progress, in playfield units of 1000 x 1000. Everything is 0 when the
// program starts; dropSpeed 0 marks that no game has been set up yet.
struct GameState {
  int16_t progression = 0;
  int16_t jumpSpeed = 0;
  int16_t noCrates = 0;
  int16_t playerX = 0;
  int16_t playerY = 0;
  int16_t dropSpeed = 0;
  int16_t frameTicks = 0;
  int16_t poseUp = 0;
  int16_t gapLeft = 0;
  int16_t ledgeY = 0;
  int16_t gapRight = 0;
  int16_t cloudX = 0;
  int16_t cloudY = 0;
  int16_t cloudRight = 0;
  int16_t keepProgress = 0;
  int16_t jumps = 0;
  int16_t level = 0;
  int16_t crateX = 0;
  int16_t crateY = 0;
  int16_t crateShown = 0;
  int16_t score = 0;
};
