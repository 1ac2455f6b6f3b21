#pragma once

// One random value u, uniform in [0, 1), taken after reseeding from the time of day.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;
};
