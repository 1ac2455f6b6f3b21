#pragma once

#include <cstdio>
#include <cstdlib>

#include "game/game.h"
#include "game/time_mixed_random.h"
#include "tests/fakes/fake_ports.h"
#include "tests/game/invariants.h"

// A game on recording fakes with a generator whose clock never moves, so that every input
// replays the same way. Message boxes are counted, not kept.
struct FuzzGame {
  FakeKeys keys;
  QuietPlayfield playfield;
  QuietControls controls;
  FakeStore store;
  TimeMixedRandom random{[] { return uint64_t{0}; }};
  Game game{GamePorts{keys, playfield, controls, store, random}};
  int levelsSeen = 0;

  // One tick, then the invariants; a broken one stops the fuzzer with a report.
  void tick() {
    game.tick();
    // Escape ends the program halfway through the tick; nothing after it counts.
    if (controls.ended) return;
    const bool levelEnded = controls.levelsEnded != levelsSeen;
    levelsSeen = controls.levelsEnded;
    check(levelEnded);
  }

  void check(bool levelJustSetUp) {
    const std::string broken = brokenInvariant(game.state(), levelJustSetUp);
    if (broken.empty()) return;
    std::fprintf(stderr, "broken invariant: %s\n", broken.c_str());
    std::abort();
  }
};
