#include "play/pad_mapping.h"

#include <algorithm>

namespace {

bool windowInFront(PadScene scene) {
  return scene == PadScene::OptionsWindow || scene == PadScene::AboutWindow ||
         scene == PadScene::Message;
}

// One direction of a stick axis, with hysteresis: towards the positive or negative end.
bool stickHeld(float towards, bool wasHeld) {
  return towards > (wasHeld ? kStickReleaseFraction : kStickPressFraction);
}

}  // namespace

PadMapping::InputSet PadMapping::inputsOf(const PadReading& pad) {
  StickHold& stick = sticks_[pad.padId];
  stick[Left] = stickHeld(-pad.stickX, stick[Left]);
  stick[Right] = stickHeld(pad.stickX, stick[Right]);
  stick[Up] = stickHeld(-pad.stickY, stick[Up]);
  stick[Down] = stickHeld(pad.stickY, stick[Down]);

  InputSet inputs{};
  inputs[Left] = pad[PadButton::DpadLeft] || stick[Left];
  inputs[Right] = pad[PadButton::DpadRight] || stick[Right];
  inputs[Up] = pad[PadButton::DpadUp] || stick[Up];
  inputs[Down] = pad[PadButton::DpadDown] || stick[Down];
  inputs[South] = pad[PadButton::South];
  inputs[East] = pad[PadButton::East];
  inputs[Back] = pad[PadButton::Back];
  inputs[Start] = pad[PadButton::Start];
  return inputs;
}

std::vector<PadWindowAction> PadMapping::read(const PadReadings& pads, PadScene scene) {
  std::erase_if(sticks_, [&](const auto& entry) {
    return std::none_of(pads.begin(), pads.end(),
                        [&](const PadReading& pad) { return pad.padId == entry.first; });
  });
  InputSet now{};
  for (const PadReading& pad : pads) {
    const InputSet inputs = inputsOf(pad);
    for (int input = 0; input < kInputCount; ++input) now[input] = now[input] || inputs[input];
  }

  std::vector<PadWindowAction> actions;
  for (int i = 0; i < kInputCount; ++i) {
    const auto input = static_cast<Input>(i);
    if (now[i] && !held_[i]) {
      held_[i] = true;
      press(input, scene, actions);
    } else if (!now[i] && held_[i]) {
      held_[i] = false;
      release(input);
    }
  }
  return actions;
}

void PadMapping::press(Input input, PadScene scene, std::vector<PadWindowAction>& actions) {
  if (windowInFront(scene)) {
    constexpr std::array<std::optional<PadWindowAction>, kInputCount> kInWindow{
        PadWindowAction::Left,
        PadWindowAction::Right,
        PadWindowAction::FocusUp,
        PadWindowAction::FocusDown,
        PadWindowAction::Press,
        PadWindowAction::Close,
        std::nullopt,
        std::nullopt};
    if (kInWindow[input]) actions.push_back(*kInWindow[input]);
    return;
  }
  std::optional<VirtualKey> key;
  switch (input) {
    case Left:
      key = VirtualKey::Left;
      break;
    case Right:
      key = VirtualKey::Right;
      break;
    case Up:
    case South:
      key = VirtualKey::Up;
      break;
    case Down:
      key = VirtualKey::Down;
      break;
    case Start:
      key = scene == PadScene::StartPrompt ? VirtualKey::Space : VirtualKey::Backspace;
      break;
    case Back:
      key = VirtualKey::F1;
      break;
    case East:
    case kInputCount:
      break;
  }
  if (!key) return;
  keys_.keyDown(*key, false, false);
  if (input == Start || input == Back) {
    // One press, however long the button is held: a Start held past the listener's poll into
    // the next tick would otherwise pause the game it had just resumed.
    if (std::find(gameKeys_.begin(), gameKeys_.end(), key) == gameKeys_.end()) {
      keys_.keyUp(*key, false);
    }
    return;
  }
  gameKeys_[input] = key;
}

void PadMapping::release(Input input) {
  const std::optional<VirtualKey> key = gameKeys_[input];
  gameKeys_[input].reset();
  if (!key) return;
  // Up stays down while the d-pad or A still holds it.
  if (std::find(gameKeys_.begin(), gameKeys_.end(), key) == gameKeys_.end()) {
    keys_.keyUp(*key, false);
  }
}
