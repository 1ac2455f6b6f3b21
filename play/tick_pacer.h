#pragma once

#include <cstdint>

// Keeps a timer's ticks on their period on average when the system's timer wakes the game only
// on its own coarser clock (Windows' SetTimer rounds 60 ms up to 62.5). Each tick falls due one
// period after the one before fell due, not after it ran, so a late wake-up never delays the
// ticks after it. A wake-up more than a whole period late, as after a modal loop, starts afresh
// rather than running the missed ticks in a burst.
class TickPacer {
 public:
  explicit TickPacer(int periodMs) : periodUs_(std::int64_t{periodMs} * 1000) {}

  // The first tick falls due one period from now.
  void start(std::int64_t nowUs) { dueUs_ = nowUs + periodUs_; }
  // The system's timer woke the game: true when a tick is due, which then counts as run.
  bool wake(std::int64_t nowUs);
  // How long the system's timer is to wait for the next tick: whole milliseconds, rounded up, at
  // least one.
  unsigned waitMs(std::int64_t nowUs) const;
  // The game's time stands still between the two, as while a browser's page is hidden: the tick
  // due then falls due as long after the thaw as it was due after the freeze, and the ticks the
  // frozen time would have held never run.
  void freeze(std::int64_t nowUs) { frozenLeftUs_ = dueUs_ - nowUs; }
  void thaw(std::int64_t nowUs) { dueUs_ = nowUs + frozenLeftUs_; }

 private:
  std::int64_t periodUs_;
  std::int64_t dueUs_ = 0;
  std::int64_t frozenLeftUs_ = 0;
};
