#pragma once

// Registers the embedded Roboto Condensed and makes it, at 8 points, the font of every window:
// its metrics fit the captions and wrap the start prompt where the layout expects.
void useGameFont();
