#include "win32/registry_key.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <utility>
#include <vector>

#include "play/outside_text.h"
#include "win32/utf16.h"

namespace {

std::size_t characterCount(std::wstring_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](wchar_t unit) { return unit < 0xDC00 || unit > 0xDFFF; }));
}

}  // namespace

RegistryKey::RegistryKey(std::string path) : path_(std::move(path)), widePath_(toUtf16(path_)) {}

std::string RegistryKey::shown() const { return "HKEY_CURRENT_USER\\" + printable(path_); }

LSTATUS RegistryKey::readText(const std::string& name, std::size_t maxChars,
                              std::string& text) const {
  // Room for every character as a surrogate pair, and the terminating null.
  std::vector<wchar_t> value(2 * maxChars + 1);
  auto bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, widePath_.c_str(), toUtf16(name).c_str(),
                                      RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
  if (status != ERROR_SUCCESS) return status;
  const std::wstring_view wide(value.data(), wcsnlen(value.data(), bytes / sizeof(wchar_t)));
  if (characterCount(wide) > maxChars) return ERROR_MORE_DATA;
  text = toUtf8(wide);
  return ERROR_SUCCESS;
}

LSTATUS RegistryKey::readNumber(const std::string& name, DWORD& number) const {
  // Any type is read, into room for a little more than a number, so that the type and the size
  // are checked here and alike on every Windows.
  std::array<BYTE, 8> value{};
  DWORD type = REG_NONE;
  DWORD bytes = sizeof value;
  const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, widePath_.c_str(), toUtf16(name).c_str(),
                                      RRF_RT_ANY | RRF_NOEXPAND, &type, value.data(), &bytes);
  if (status != ERROR_SUCCESS) return status;
  if (type != REG_DWORD || bytes != sizeof(DWORD)) return ERROR_UNSUPPORTED_TYPE;
  std::copy_n(value.data(), sizeof(DWORD), reinterpret_cast<BYTE*>(&number));
  return ERROR_SUCCESS;
}

LSTATUS RegistryKey::write(const std::function<LSTATUS(HKEY)>& set) const {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, widePath_.c_str(), 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = set(key);
  RegCloseKey(key);
  return status;
}

LSTATUS setTextValue(HKEY key, const std::string& name, const std::string& text) {
  const std::wstring wide = toUtf16(text);
  const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, toUtf16(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
}

LSTATUS setNumberValue(HKEY key, const std::string& name, DWORD number) {
  return RegSetValueExW(key, toUtf16(name).c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&number), sizeof number);
}
