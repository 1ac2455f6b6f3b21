#pragma once

#include <string>

#include "game/game_state.h"

// What must hold after every tick, and after every level setup; empty when all holds.
inline std::string brokenInvariant(const GameState& s, bool levelJustSetUp) {
  if (s.playerX < -1 || s.playerX > 966) return "playerX outside -1..966";
  if (s.frameTicks < 0 || s.frameTicks > 24) return "frameTicks outside 0..24";
  if (s.score < 0) return "negative score";
  if (s.jumps < 0) return "negative jumps";
  if (s.level < 1) return "level below 1";
  if (s.dropSpeed < 1) return "dropSpeed below 1";
  if (s.cloudRight != kTrue && s.cloudRight != kFalse) return "cloudRight not a truth value";
  if (s.poseUp != kTrue && s.poseUp != kFalse) return "poseUp not a truth value";
  if (!levelJustSetUp) return {};
  if (s.keepProgress != 0) return "keepProgress not 0 after a level setup";
  if (s.ledgeY < 400 || s.ledgeY > 900) return "ledgeY outside 400..900";
  if (s.gapRight - s.gapLeft < 75 || s.gapRight - s.gapLeft > 175) return "gap not 75..175 wide";
  if (s.playerY + 50 > s.ledgeY) return "a new level starts on the ledge";
  if (s.crateShown == kTrue && (s.crateY > s.ledgeY - 2 || s.crateX > 966 || s.crateX < 0))
    return "crate outside its range";
  return {};
}
