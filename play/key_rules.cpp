#include "play/key_rules.h"

void KeyRules::keyDown(VirtualKey key, bool autoRepeat, bool usedByWindow) {
  if (autoRepeat) return;
  KeyRecord& record = keys_[key];
  record.down = !usedByWindow;
  if (!usedByWindow) record.pressedSinceQuery = true;
}

void KeyRules::keyUp(VirtualKey key, bool autoRepeat) {
  if (autoRepeat) return;
  KeyRecord& record = keys_[key];
  record.downBeforeRelease = record.down;
  record.down = false;
}

void KeyRules::releaseWasRepeat(VirtualKey key) {
  KeyRecord& record = keys_[key];
  record.down = record.downBeforeRelease;
  record.downBeforeRelease = false;
}

void KeyRules::focusLost() {
  for (auto& [key, record] : keys_) record.down = record.downBeforeRelease = false;
}

bool KeyRules::pressed(VirtualKey key) {
  KeyRecord& record = keys_[key];
  const bool answer = record.down || record.pressedSinceQuery;
  record.pressedSinceQuery = false;
  return answer;
}

void KeyRules::forget(VirtualKey key) { keys_[key].pressedSinceQuery = false; }
