#pragma once

#include <string>
#include <string_view>

#include "design/window_design.h"

// The About window: who made the game, where the options are kept, the music credit, the maker's
// banner and address, and Close.
const WindowDesign& aboutWindowDesign();

// The location line's tooltip: where the options are kept on this computer.
std::string optionsLocationTooltip(std::string_view location);
