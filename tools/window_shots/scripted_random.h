#pragma once

#include <iterator>

#include "game/random_source.h"

// The same values in the same order on every run, so that two builds' pictures of a situation
// can be compared.
class ScriptedRandom final : public RandomSource {
 public:
  float next() override {
    static constexpr float kValues[] = {0.31f, 0.12f, 0.57f, 0.44f, 0.73f,
                                        0.28f, 0.66f, 0.08f, 0.91f, 0.35f};
    return kValues[count_++ % std::size(kValues)];
  }

 private:
  unsigned count_ = 0;
};
