#include "win32/utf16.h"

#include <windows.h>

std::wstring toUtf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int inputBytes = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inputBytes, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inputBytes, out.data(), units);
  return out;
}

std::string toUtf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int inputUnits = static_cast<int>(utf16.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inputUnits, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inputUnits, out.data(), bytes, nullptr, nullptr);
  return out;
}
