#include "win32/registry_store.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>
#include <utility>

#include "game/option_rules.h"
#include "play/outside_text.h"
#include "win32/report.h"
#include "win32/system_error_text.h"
#include "win32/utf16.h"

namespace {

// Room for 64 characters even when each takes a surrogate pair, and the terminating null.
constexpr DWORD kValueBufferUnits = 2 * RegistryStore::kMaxValueChars + 1;

std::size_t characterCount(std::wstring_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](wchar_t unit) { return unit < 0xDC00 || unit > 0xDFFF; }));
}

LSTATUS setText(HKEY key, const std::string& name, const std::string& text) {
  const std::wstring wide = toUtf16(text);
  const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, toUtf16(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
}

}  // namespace

RegistryStore::RegistryStore(const std::string& root, Report report)
    : keyPath_(root + "\\" + options::kApplication + "\\" + options::kSection),
      wideKeyPath_(toUtf16(keyPath_)),
      report_(report ? std::move(report) : Report(tellOnStderrOrDebugger)) {}

std::string RegistryStore::get(const std::string& key) {
  if (const auto held = unsaved_.find(key); held != unsaved_.end()) return held->second;
  std::array<wchar_t, kValueBufferUnits> value{};
  DWORD bytes = sizeof(value);
  const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, wideKeyPath_.c_str(), toUtf16(key).c_str(),
                                      RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
  const auto tellTooLong = [&] {
    tellOnce("the option " + key + " in " + shownKey() + " is longer than " +
             std::to_string(kMaxValueChars) + " characters; it is ignored and takes its default");
  };
  switch (status) {
    case ERROR_SUCCESS:
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return {};
    case ERROR_UNSUPPORTED_TYPE:
      tellOnce("the option " + key + " in " + shownKey() +
               " is not a text value; it is ignored and takes its default");
      return {};
    case ERROR_MORE_DATA:
      tellTooLong();
      return {};
    default:
      tellOnce("could not read the option " + key + " from " + shownKey() + ": " +
               systemErrorText(status) + "; it takes its default");
      return {};
  }
  const std::wstring_view text(value.data(), wcsnlen(value.data(), bytes / sizeof(wchar_t)));
  if (characterCount(text) > kMaxValueChars) {
    tellTooLong();
    return {};
  }
  return toUtf8(text);
}

void RegistryStore::save(const std::string& key, const std::string& text) {
  unsaved_[key] = text;
  HKEY settings = nullptr;
  LSTATUS status =
      RegCreateKeyExW(HKEY_CURRENT_USER, wideKeyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &settings, nullptr);
  if (status == ERROR_SUCCESS) {
    // Values held after earlier saves failed go in with this one.
    for (auto held = unsaved_.begin(); held != unsaved_.end();) {
      const LSTATUS set = setText(settings, held->first, held->second);
      if (held->first == key) status = set;
      held = set == ERROR_SUCCESS ? unsaved_.erase(held) : std::next(held);
    }
    RegCloseKey(settings);
  }
  if (status != ERROR_SUCCESS) {
    tellOnce("could not save the option " + key + " to " + shownKey() + ": " +
             systemErrorText(status) + "; the new value holds until the game ends");
  }
}

void RegistryStore::tellOnce(const std::string& line) {
  if (told_.insert(line).second) report_(line);
}

std::string RegistryStore::shownKey() const { return "HKEY_CURRENT_USER\\" + printable(keyPath_); }
