#include "win32/system_error_text.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "play/outside_text.h"
#include "win32/utf16.h"

std::string systemErrorText(unsigned long code) {
  std::array<wchar_t, 512> words{};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, words.data(), words.size(), nullptr);
  // The system ends its messages with a line break, which the report adds itself.
  while (length > 0 &&
         (words[length - 1] == L'\r' || words[length - 1] == L'\n' || words[length - 1] == L' ')) {
    --length;
  }
  const std::string suffix = "(error " + std::to_string(code) + ")";
  if (length == 0) return suffix;
  return printable(toUtf8(std::wstring_view(words.data(), length))) + " " + suffix;
}
