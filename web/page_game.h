#pragma once

#include "game/random_source.h"

// The game on a page: the page's events go to the one game there, which Play again makes afresh,
// as at the program's start; the storage, the sound, the pictures and the fonts last for the
// page's life. The game starts once its font is ready.
void runPage(RandomSource& random);
