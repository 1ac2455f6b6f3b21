#pragma once

#include "design/window_design.h"

// The About window: who made the game, where the options are kept, the music credit, the maker's
// banner and address, and Close.
const WindowDesign& aboutWindowDesign();
