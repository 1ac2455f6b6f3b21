#pragma once

// Registers the embedded pictures and font; safe to call more than once.
void loadAssets();

// Makes the embedded Roboto Condensed at 8 points the font of every window: its metrics fit the
// captions and wrap the start prompt where the layout expects.
void useGameFont();
