#include <gtest/gtest.h>

#include <random>

#include "game/game.h"
#include "game/time_mixed_random.h"
#include "tests/fakes/fake_ports.h"
#include "tests/game/invariants.h"

namespace {

// Random keys held at random, for a million ticks over many games, with the real generator.
class RandomKeys : public KeyState {
 public:
  explicit RandomKeys(uint32_t seed) : engine_(seed) {}
  bool pressed(VirtualKey key) override {
    if (key == VirtualKey::Escape) return false;
    // Backspace and F1 are rare so that play goes on; Down often so that levels end.
    const int percent = key == VirtualKey::Backspace || key == VirtualKey::F1 ? 1
                        : key == VirtualKey::Down                             ? 40
                                                                              : 25;
    return std::uniform_int_distribution<int>(0, 99)(engine_) < percent;
  }
  void forget(VirtualKey) override {}

 private:
  std::mt19937 engine_;
};

TEST(LongRun, AMillionTicksKeepEveryInvariant) {
  RandomKeys keys(12345);
  QuietPlayfield playfield;
  QuietControls controls;
  FakeStore store;
  TimeMixedRandom random;
  Game game(GamePorts{keys, playfield, controls, store, random});
  game.setUpLevel();
  const GameState& s = game.state();
  int lastLevelsEnded = 0;
  int failures = 0;
  for (int t = 0; t < 1'000'000 && failures < 10; ++t) {
    // Now and then the options change as the options window would change them.
    if (t % 50'000 == 25'000) {
      game.setProgression(static_cast<int16_t>(1 + t / 50'000 % 10));
      game.setNoCrates(t % 100'000 == 25'000 ? kTrue : kFalse);
    }
    game.tick();
    const bool levelEnded = controls.levelsEnded != lastLevelsEnded;
    lastLevelsEnded = controls.levelsEnded;
    const std::string broken = brokenInvariant(s, levelEnded);
    const bool ok = broken.empty();
    if (!ok) {
      ++failures;
      ADD_FAILURE() << "tick " << t << ": " << broken;
    }
  }
  EXPECT_GT(controls.levelsEnded, 1000);
}

TEST(TimeMixedRandom, ValuesDrawnAtTheSameClockReadingStillDifferAndStayBelowOne) {
  TimeMixedRandom random([] { return uint64_t{42}; });
  float previous = random.next();
  for (int i = 0; i < 100'000; ++i) {
    float u = random.next();
    ASSERT_GE(u, 0.0f);
    ASSERT_LT(u, 1.0f);
    ASSERT_NE(u, previous);
    previous = u;
  }
}

}  // namespace
