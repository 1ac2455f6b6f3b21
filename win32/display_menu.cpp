#include "win32/display_menu.h"

#include <string>

#include "win32/utf16.h"

std::optional<DisplayChoice> chooseFromDisplayMenu(HWND owner, POINT at,
                                                   const std::vector<DisplayMenuEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return std::nullopt;
  for (size_t i = 0; i < entries.size(); ++i) {
    const DisplayMenuEntry& entry = entries[i];
    if (entry.separatorBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    // A tab in the text puts the keys in their own column.
    const std::wstring text =
        toUtf16(entry.keys.empty() ? entry.text : entry.text + "\t" + entry.keys);
    AppendMenuW(menu,
                MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED) |
                    (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                i + 1, text.c_str());
  }
  // The menu closes when the player clicks elsewhere only while its window is in front.
  SetForegroundWindow(owner);
  const int chosen = static_cast<int>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  DestroyMenu(menu);
  if (chosen <= 0 || chosen > static_cast<int>(entries.size())) return std::nullopt;
  return entries[chosen - 1].choice;
}
