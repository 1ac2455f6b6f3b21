#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

// A key below HKEY_CURRENT_USER as the game's stores keep it: every read asks the registry and
// takes no more than it expects, and a write creates the key when it is missing and sets the
// writer's values and nothing else.
class RegistryKey {
 public:
  explicit RegistryKey(std::string path);

  const std::string& path() const { return path_; }
  // The key as a report names it: HKEY_CURRENT_USER and the path, with control characters shown.
  std::string shown() const;

  // A REG_SZ value of at most maxChars characters (a surrogate pair counts as one).
  // ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND when it is missing, ERROR_UNSUPPORTED_TYPE for
  // a value of another type, ERROR_MORE_DATA for a longer one.
  LSTATUS readText(const std::string& name, std::size_t maxChars, std::string& text) const;
  // A REG_DWORD value. ERROR_UNSUPPORTED_TYPE for a value of another type or another size than
  // four bytes, ERROR_MORE_DATA for one of more than eight bytes, whatever its type.
  LSTATUS readNumber(const std::string& name, DWORD& number) const;

  // Opens the key for setting values, creating it when missing, and hands it to set; the status
  // of opening it, or what set returns.
  LSTATUS write(const std::function<LSTATUS(HKEY)>& set) const;

 private:
  std::string path_;
  std::wstring widePath_;
};

LSTATUS setTextValue(HKEY key, const std::string& name, const std::string& text);
LSTATUS setNumberValue(HKEY key, const std::string& name, DWORD number);
