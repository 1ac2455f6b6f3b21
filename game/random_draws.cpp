#include "game/random_draws.h"

#include <cmath>

#include "game/int16_math.h"

namespace draws {

int16_t nearest(float u, int factor) {
  // volatile keeps the product in single precision even where the compiler could widen it.
  volatile float product = u * static_cast<float>(factor);
  return int16::saturate(static_cast<long long>(std::nearbyint(product)));
}

int16_t floorOf(float u, int factor, int offset) {
  const double value = static_cast<double>(u) * factor + offset;
  return int16::saturate(static_cast<long long>(std::floor(value)));
}

}  // namespace draws

namespace int16 {

int16_t roundHalfEven(double value, int16_t fallback) {
  if (std::isnan(value)) return fallback;
  if (value >= kMax) return static_cast<int16_t>(kMax);
  if (value <= kMin) return static_cast<int16_t>(kMin);
  return static_cast<int16_t>(std::nearbyint(value));
}

}  // namespace int16
