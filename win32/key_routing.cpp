#include "win32/key_routing.h"

#include <windows.h>

std::optional<VirtualKey> gameKey(unsigned int virtualKey) {
  for (VirtualKey key :
       {VirtualKey::Backspace, VirtualKey::Escape, VirtualKey::Space, VirtualKey::Left,
        VirtualKey::Up, VirtualKey::Right, VirtualKey::Down, VirtualKey::F1}) {
    if (virtualKey == static_cast<unsigned int>(key)) return key;
  }
  return std::nullopt;
}

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

std::optional<DisplayCommand> displayCommand(unsigned int virtualKey, bool ctrl, bool alt) {
  if (ctrl && !alt) {
    switch (virtualKey) {
      case VK_OEM_PLUS:
      case VK_ADD:
        return DisplayCommand::ZoomIn;
      case VK_OEM_MINUS:
      case VK_SUBTRACT:
        return DisplayCommand::ZoomOut;
      case '0':
      case VK_NUMPAD0:
        return DisplayCommand::ActualSize;
      default:
        return std::nullopt;
    }
  }
  if (!ctrl && ((virtualKey == VK_F11 && !alt) || (virtualKey == VK_RETURN && alt))) {
    return DisplayCommand::ToggleFullScreen;
  }
  return std::nullopt;
}
