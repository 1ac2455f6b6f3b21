#include "win32/key_routing.h"

#include <windows.h>

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
