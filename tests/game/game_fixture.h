#pragma once

#include <gtest/gtest.h>

#include "game/game.h"
#include "tests/fakes/fake_ports.h"

// A game wired to recording fakes, with a plain level staged for tick tests: the player high
// above a ledge at 800 with a gap from 400 to 500, no crate, the cloud mid-sky drifting left.
class GameFixture : public ::testing::Test {
 protected:
  FakeKeys keys;
  FakePlayfield playfield;
  FakeControls controls;
  FakeStore store;
  ScriptedRandom random;
  Game game{GamePorts{keys, playfield, controls, store, random}};

  void stageLevel() {
    GameState& s = game.state();
    s.progression = 2;
    s.jumpSpeed = 3;
    s.dropSpeed = 1;
    s.level = 1;
    s.jumps = 5;
    s.playerX = 400;
    s.playerY = 100;
    s.gapLeft = 400;
    s.gapRight = 500;
    s.ledgeY = 800;
    s.cloudX = 300;
    s.cloudY = 50;
    s.frameTicks = 1;
  }

  // Enough values for a landing draw and the level setup after it.
  void queueLandingAndSetup(float landing = 0.0f) {
    random.values = {landing, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
  }

  void tick(std::initializer_list<VirtualKey> held = {}) {
    keys.held = held;
    game.tick();
  }
};
