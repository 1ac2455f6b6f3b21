#pragma once

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "play/key_rules.h"
#include "play/pad_input.h"

// Where the game stands for a pad: its buttons mean other things at the start prompt, in play,
// in a window or at the end-of-level message.
enum class PadScene { StartPrompt, Playing, Paused, OptionsWindow, AboutWindow, Message };

// A stick's direction counts as held past half its travel and is let go below this much, so
// that a stick resting near the edge does not press it over and over.
inline constexpr float kStickPressFraction = 0.5f;
inline constexpr float kStickReleaseFraction = 0.35f;

// Turns the pads' readings into the game's keys, which then follow the key rules, and into what
// they do in a window in front.
// - The d-pad and the left stick are Left, Right, Up and Down; South (A) is Up, the jump; Start
//   is Space at the start prompt and Backspace in play or paused; Back is F1. Start and Back
//   press their key once however long they are held. No pad button is Escape: nothing on a
//   pad quits.
// - Every pad counts: a direction is held while any pad holds it, and a pad removed lets go of
//   what it held.
// - A press that a window or the message took stays that window's until its release, so it
//   never becomes the game's key when the window goes.
class PadMapping {
 public:
  // Every pad connected now; one missing from the list was removed. Returns what the presses
  // do in the window or message in front, in the order of the pad's inputs.
  std::vector<PadWindowAction> read(const PadReadings& pads, PadScene scene);

  // The keys as the pads hold them.
  KeyState& keys() { return keys_; }

 private:
  enum Input { Left, Right, Up, Down, South, East, Back, Start, kInputCount };
  using InputSet = std::array<bool, kInputCount>;
  using StickHold = std::array<bool, 4>;

  InputSet inputsOf(const PadReading& pad);
  void press(Input input, PadScene scene, std::vector<PadWindowAction>& actions);
  void release(Input input);

  InputSet held_{};
  // The game's key that each held input presses, or none for a press a window took.
  std::array<std::optional<VirtualKey>, kInputCount> gameKeys_{};
  // Each pad's stick directions, held with their hysteresis.
  std::map<int, StickHold> sticks_;
  KeyRules keys_;
};
