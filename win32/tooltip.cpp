#include "win32/tooltip.h"

#include <commctrl.h>

#include <string>

#include "win32/common_controls.h"
#include "win32/utf16.h"

HWND addTooltip(HWND parent, HWND control, HINSTANCE instance, std::string_view text) {
  useCommonControls();
  HWND tooltip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, instance, nullptr);
  if (!tooltip) return nullptr;
  // The tooltip keeps a copy of the text.
  std::wstring wide = toUtf16(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return tooltip;
}
