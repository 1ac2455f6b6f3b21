#include "design/control_keys.h"

bool controlUsesKey(ControlKind kind, VirtualKey key) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
      return key == VirtualKey::Space;
    case ControlKind::Slider:
      return key == VirtualKey::Left || key == VirtualKey::Right || key == VirtualKey::Up ||
             key == VirtualKey::Down;
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Playfield:
      break;
  }
  return false;
}

std::optional<VirtualKey> gameKey(unsigned int virtualKey) {
  for (VirtualKey key :
       {VirtualKey::Backspace, VirtualKey::Escape, VirtualKey::Space, VirtualKey::Left,
        VirtualKey::Up, VirtualKey::Right, VirtualKey::Down, VirtualKey::F1}) {
    if (virtualKey == static_cast<unsigned int>(key)) return key;
  }
  return std::nullopt;
}
