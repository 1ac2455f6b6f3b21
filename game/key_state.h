#pragma once

// The platform's virtual-key codes of the eight keys the game polls.
enum class VirtualKey : int {
  Backspace = 8,
  Escape = 27,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  F1 = 112,
};

// Answers true when the key is down now or was pressed since the previous query of that key;
// a query therefore consumes a pending press.
class KeyState {
 public:
  virtual ~KeyState() = default;
  virtual bool pressed(VirtualKey key) = 0;
  // Drops a press made since the previous query; a key still down stays pressed.
  virtual void forget(VirtualKey key) = 0;
};
