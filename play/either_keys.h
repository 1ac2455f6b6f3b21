#pragma once

#include "game/key_state.h"

// The keyboard's keys and the pads' together: a key is pressed when either source has it.
// Both are always asked, so neither keeps a press that the query consumed in the other.
class EitherKeys final : public KeyState {
 public:
  EitherKeys(KeyState& first, KeyState& second) : first_(first), second_(second) {}

  bool pressed(VirtualKey key) override {
    const bool byFirst = first_.pressed(key);
    const bool bySecond = second_.pressed(key);
    return byFirst || bySecond;
  }
  void forget(VirtualKey key) override {
    first_.forget(key);
    second_.forget(key);
  }

 private:
  KeyState& first_;
  KeyState& second_;
};
