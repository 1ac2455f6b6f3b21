#pragma once

#include <map>

#include "game/key_state.h"

// The key state the game polls, kept from the key events a front-end reports for the game's own
// windows: a key is pressed when it is down now or was pressed since its previous query.
// - Auto-repeat is not a new press, and its releases (X11 and Wayland send a release before each
//   repeated press) are no release: a key stays down from its first press to its real release.
//   A front-end that learns only from the next press that a release was a repeat's says so then.
// - A key that a window or one of its controls used (Space or Enter on a focused button or box,
//   Escape closing a message, a menu's keys) is that window's: it never counts as the game's,
//   neither while it is held nor later.
// - When the game loses the focus, held keys are let go, as their releases go elsewhere; a tap
//   already over still counts at the next query.
class KeyRules final : public KeyState {
 public:
  void keyDown(VirtualKey key, bool autoRepeat, bool usedByWindow);
  void keyUp(VirtualKey key, bool autoRepeat);
  // The key's last release was a repeat's after all: it is down again if it was before.
  void releaseWasRepeat(VirtualKey key);
  void focusLost();

  bool pressed(VirtualKey key) override;
  void forget(VirtualKey key) override;

 private:
  struct KeyRecord {
    bool down = false;
    bool pressedSinceQuery = false;
    bool downBeforeRelease = false;
  };
  std::map<VirtualKey, KeyRecord> keys_;
};
