// A test program: it finds the message box captioned "Zundabar" that another program of the same
// Wine prefix shows, and prints what a player sees of it, one fact a line: its text with each line
// break written as \r\n, each button's caption, whether it shows an icon, and its owner's caption.
// It ends with status 1 when there is no such box.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string escapedBreaks(const std::wstring& text) {
  std::string shown;
  for (char c : utf8(text)) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

BOOL CALLBACK printChild(HWND child, LPARAM) {
  if (!IsWindowVisible(child)) return TRUE;
  const std::wstring kind = className(child);
  if (lstrcmpiW(kind.c_str(), L"Button") == 0) {
    std::printf("button=%s\n", utf8(windowText(child)).c_str());
  } else if (lstrcmpiW(kind.c_str(), L"Static") == 0) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON) {
      if (SendMessageW(child, STM_GETICON, 0, 0) != 0) std::printf("icon=shown\n");
    } else if (!windowText(child).empty()) {
      std::printf("text=%s\n", escapedBreaks(windowText(child)).c_str());
    }
  }
  return TRUE;
}

}  // namespace

int main() {
  HWND box = FindWindowW(L"#32770", L"Zundabar");
  if (!box) {
    std::printf("no message box\n");
    return 1;
  }
  EnumChildWindows(box, printChild, 0);
  HWND owner = GetWindow(box, GW_OWNER);
  std::printf("owner=%s\n", owner ? utf8(windowText(owner)).c_str() : "");
  return 0;
}
