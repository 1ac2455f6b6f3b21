#pragma once

#include <cstdint>

// Turning a random value into a whole number, in the two ways the layout uses.
namespace draws {

// The product rounded to single precision, then to the nearest integer, halves to even.
int16_t nearest(float u, int factor);

// The largest integer not above factor * u + offset, computed without rounding to single.
int16_t floorOf(float u, int factor, int offset = 0);

}  // namespace draws
