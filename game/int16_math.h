#pragma once

#include <cstdint>

// Every operation on the game state is signed 16-bit arithmetic that detects overflow. An
// overflow never stops the game: the result saturates at the nearest end of the range.
namespace int16 {

constexpr int kMin = -32768;
constexpr int kMax = 32767;

constexpr int16_t saturate(long long value) {
  if (value < kMin) return static_cast<int16_t>(kMin);
  if (value > kMax) return static_cast<int16_t>(kMax);
  return static_cast<int16_t>(value);
}

constexpr int16_t add(int a, int b) { return saturate(static_cast<long long>(a) + b); }
constexpr int16_t sub(int a, int b) { return saturate(static_cast<long long>(a) - b); }
constexpr int16_t mul(int a, int b) { return saturate(static_cast<long long>(a) * b); }

// Rounds to the nearest whole number, an exact half going to the even neighbour, and saturates.
// A result that is not a number at all (0 / 0) keeps the fallback.
int16_t roundHalfEven(double value, int16_t fallback);

}  // namespace int16
