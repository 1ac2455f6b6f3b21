#include "game/time_mixed_random.h"

#include <chrono>

namespace {

uint64_t nanosecondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now().time_since_epoch();
  return static_cast<uint64_t>(duration_cast<nanoseconds>(now % days{1}).count());
}

// splitmix64: a full-period step with a strong finaliser, so that nearby clock readings mixed
// into the state still give unrelated values.
uint64_t splitMix(uint64_t& state) {
  state += 0x9E3779B97F4A7C15ull;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

TimeMixedRandom::TimeMixedRandom() : TimeMixedRandom(nanosecondsSinceMidnight) {}

TimeMixedRandom::TimeMixedRandom(Clock clock) : clock_(std::move(clock)) {}

float TimeMixedRandom::next() {
  state_ ^= clock_();
  // 24 random bits make every value exactly representable in single precision and below 1.
  const uint64_t bits = splitMix(state_) >> 40;
  return static_cast<float>(bits) * (1.0f / 16777216.0f);
}
