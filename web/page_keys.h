#pragma once

#include <optional>

#include "design/window_design.h"
#include "game/key_state.h"

// Which of the page's key events the game hears, and which the browser's own handling never
// sees. Only the game's keys are kept from the browser, and only where the game hears them: a
// key with Ctrl, Alt or the system key held is the browser's (Ctrl+R, Alt+Left, Ctrl+Plus ...),
// as are F5, F11, F12 and every other key the game never polls. Alt+Enter is the game's full
// screen key. A key that a focused control acts on is that control's, and the message dialog
// keeps every key to itself.

// Where the keyboard is when the key comes.
enum class KeyPlace { Game, Control, Message, Ended };

struct KeyModifiers {
  bool ctrl = false;
  bool alt = false;
  bool meta = false;
};

struct KeyRoute {
  // The key the key rules hear, if any, and whether a window used it.
  std::optional<VirtualKey> gameKey;
  bool usedByWindow = false;
  // The browser does nothing of its own with it (no scrolling, no help page).
  bool keptFromBrowser = false;
  bool toggleFullScreen = false;
};

constexpr unsigned int kEnterKeyCode = 13;
constexpr unsigned int kPageUpKeyCode = 33;
constexpr unsigned int kPageDownKeyCode = 34;

// A key pressed; control is the focused control's kind at KeyPlace::Control.
KeyRoute routeKeyDown(unsigned int keyCode, KeyModifiers modifiers, KeyPlace place,
                      std::optional<ControlKind> control);
// A key let go: every release of a game key reaches the key rules, which a release never harms;
// it is kept from the browser only in the game itself, as a control acts on its releases.
KeyRoute routeKeyUp(unsigned int keyCode, KeyPlace place);
