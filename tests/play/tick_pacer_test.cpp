#include "play/tick_pacer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kTickMs = 60;
// Windows' default timer clock: a timer wakes on the first beat of it after its wait.
constexpr std::int64_t kSystemBeatUs = 15625;

std::int64_t nextBeat(std::int64_t us) {
  return (us + kSystemBeatUs - 1) / kSystemBeatUs * kSystemBeatUs;
}

TEST(TickPacer, OnACoarseSystemClockTheTicksKeepTheirPeriodOnAverage) {
  TickPacer pacer(kTickMs);
  std::int64_t now = 0;
  pacer.start(now);
  std::int64_t firstTick = -1;
  std::int64_t lastTick = 0;
  int ticks = 0;
  while (ticks < 200) {
    now = nextBeat(now + std::int64_t{pacer.waitMs(now)} * 1000);
    if (!pacer.wake(now)) continue;
    if (firstTick < 0) firstTick = now;
    lastTick = now;
    ++ticks;
    // A tick is never early, and late by at most one beat of the system's clock and the
    // millisecond its wait was rounded up by: lateness never adds up.
    EXPECT_GE(now, std::int64_t{ticks} * kTickMs * 1000);
    EXPECT_LE(now, std::int64_t{ticks} * kTickMs * 1000 + kSystemBeatUs + 1000);
  }
  const double meanMs = static_cast<double>(lastTick - firstTick) / 1000.0 / (ticks - 1);
  EXPECT_NEAR(meanMs, kTickMs, 0.3);
}

TEST(TickPacer, AnEarlyWakeRunsNothingAndALongStallStartsAfresh) {
  TickPacer pacer(kTickMs);
  pacer.start(0);
  EXPECT_FALSE(pacer.wake(59'999));
  EXPECT_EQ(pacer.waitMs(59'999), 1u);
  EXPECT_EQ(pacer.waitMs(10'500), 50u);
  EXPECT_TRUE(pacer.wake(60'000));
  // Held up for seconds (a message box): one tick now, the next a whole period later.
  EXPECT_TRUE(pacer.wake(5'000'000));
  EXPECT_FALSE(pacer.wake(5'059'000));
  EXPECT_TRUE(pacer.wake(5'060'000));
}

TEST(TickPacer, FrozenTimeHoldsNoTicksAndTheDueTickKeepsWhatWasLeftOfItsWait) {
  TickPacer pacer(kTickMs);
  pacer.start(0);
  EXPECT_TRUE(pacer.wake(60'000));
  // Hidden 40 ms before the next tick, for ten seconds.
  pacer.freeze(80'000);
  pacer.thaw(10'080'000);
  EXPECT_EQ(pacer.waitMs(10'080'000), 40u);
  EXPECT_FALSE(pacer.wake(10'119'000));
  EXPECT_TRUE(pacer.wake(10'120'000));
  EXPECT_FALSE(pacer.wake(10'121'000));
  EXPECT_TRUE(pacer.wake(10'180'000));
}

}  // namespace
