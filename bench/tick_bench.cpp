#include <benchmark/benchmark.h>

#include "game/game.h"
#include "game/time_mixed_random.h"
#include "tests/fakes/fake_ports.h"

namespace {

// Ports that do as little as possible, so the figure is the game logic's own.
class NoKeys : public KeyState {
 public:
  bool pressed(VirtualKey) override { return false; }
  void forget(VirtualKey) override {}
};

struct Bench {
  NoKeys keys;
  QuietPlayfield playfield;
  QuietControls controls;
  FakeStore store;
  TimeMixedRandom random;
  Game game{GamePorts{keys, playfield, controls, store, random}};
  Bench() { game.setUpLevel(); }
};

void OrdinaryTick(benchmark::State& state) {
  Bench b;
  GameState& s = b.game.state();
  for (auto _ : state) {
    s.playerY = 0;  // never reaches the ledge
    b.game.tick();
  }
}
BENCHMARK(OrdinaryTick);

void LandingTick(benchmark::State& state) {
  Bench b;
  GameState& s = b.game.state();
  for (auto _ : state) {
    s.playerY = s.ledgeY;
    b.game.tick();
  }
}
BENCHMARK(LandingTick);

}  // namespace

BENCHMARK_MAIN();
