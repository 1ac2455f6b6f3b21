#include "win32/message_box_closing.h"

#include <iterator>

namespace {

// The system's class of dialog boxes, which a message box is.
constexpr wchar_t kDialogClass[] = L"#32770";

struct Search {
  HWND owner;
  HWND box;
};

BOOL CALLBACK findBox(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  wchar_t className[16] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  // The box's owner is disabled while it shows; the box itself takes the keys.
  if (lstrcmpW(className, kDialogClass) != 0 || GetWindow(window, GW_OWNER) != search.owner ||
      !IsWindowEnabled(window)) {
    return TRUE;
  }
  search.box = window;
  return FALSE;
}

}  // namespace

bool closeMessageBoxOf(HWND owner) {
  Search search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&search));
  if (!search.box) return false;
  // What OK's click sends: the box ends its modal loop and MessageBoxW returns IDOK.
  SendMessageW(search.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(search.box, IDOK)));
  return true;
}
