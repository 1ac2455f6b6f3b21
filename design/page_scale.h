#pragma once

#include "design/display_rules.h"

// How large a browser's page shows the game: a whole number of device pixels for each pixel of
// the design, so that pictures are enlarged as whole blocks and lines cover whole device pixels.

// The scale for a screen of that device pixel ratio (the browser's own zoom included): the
// nearest whole number to the ratio, at least 1, but never more than fits the room, in device
// pixels, so that a phone shows the whole game and never a blurry fraction of a pixel.
int pageScale(double devicePixelRatio, PixelSize roomDevicePx, PixelSize designPx);

// Full screen: the largest whole scale that fits the screen, the rest black.
int fullScreenPageScale(PixelSize screenDevicePx, PixelSize designPx);
