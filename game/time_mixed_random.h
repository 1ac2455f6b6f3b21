#pragma once

#include <cstdint>
#include <functional>

#include "game/random_source.h"

// The game's one generator. Before every value the time of day is mixed into the running state
// rather than restarting it, so values drawn within one tick of the clock still differ.
class TimeMixedRandom final : public RandomSource {
 public:
  using Clock = std::function<uint64_t()>;  // nanoseconds since midnight
  TimeMixedRandom();
  explicit TimeMixedRandom(Clock clock);
  float next() override;

 private:
  Clock clock_;
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
};
