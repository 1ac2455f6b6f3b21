#pragma once

#include <optional>

#include "design/control_keys.h"
#include "design/display_rules.h"
#include "design/window_design.h"
#include "game/key_state.h"

// Which key messages the game hears. Keys count only while one of the game's own windows has
// the keyboard; a key that a control of the options or About window acts on is that control's
// and never the game's (a Space that presses Resume Game must not pause the game it resumed).

// The display command of a key press, or none. Ctrl with Plus (or Equals, Plus without its Shift,
// or the keypad's Plus) zooms in, Ctrl with Minus zooms out and Ctrl+0 goes back to 1x; F11 or
// Alt+Enter switch full screen. Ctrl with Alt is AltGr on many keyboards, which types characters:
// it zooms nothing.
std::optional<DisplayCommand> displayCommand(unsigned int virtualKey, bool ctrl, bool alt);
