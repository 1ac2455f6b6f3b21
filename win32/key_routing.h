#pragma once

#include <optional>

#include "design/window_design.h"
#include "game/key_state.h"

// Which key messages the game hears. Keys count only while one of the game's own windows has
// the keyboard; a key that a control of the options or About window acts on is that control's
// and never the game's (a Space that presses Resume Game must not pause the game it resumed).

// The game's key for a virtual-key code, or none for a key the game never polls.
std::optional<VirtualKey> gameKey(unsigned int virtualKey);

// Whether a focused control of that kind acts on the key itself.
bool controlUsesKey(ControlKind kind, VirtualKey key);
