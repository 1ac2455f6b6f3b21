#pragma once

#include "game/option_rules.h"

// How the options' sliders move, on every front-end.
struct SliderSettings {
  int minimum = 0;
  int maximum = 0;
  // An arrow key.
  int singleStep = 0;
  // Page Up, Page Down and a click in the track.
  int pageStep = 0;
  // A tick mark below the track at every so many values.
  int tickInterval = 0;
};

constexpr SliderSettings kOptionSlider{.minimum = options::kSliderMin,
                                       .maximum = options::kSliderMax,
                                       .singleStep = 1,
                                       .pageStep = 2,
                                       .tickInterval = 1};
