#pragma once

#include <optional>

#include "design/window_design.h"
#include "game/key_state.h"

// The game's key for a virtual-key code (Windows' codes, which browsers give as keyCode too), or
// none for a key the game never polls.
std::optional<VirtualKey> gameKey(unsigned int virtualKey);

// Whether a focused control of that kind acts on the key itself, so that the key is that
// control's and never the game's (a Space that presses Resume Game must not pause the game it
// resumed): buttons and boxes take Space, sliders the arrows.
bool controlUsesKey(ControlKind kind, VirtualKey key);
