#include "win32/registry_store.h"

#include <iterator>
#include <utility>

#include "game/option_rules.h"
#include "win32/system_error_text.h"

RegistryStore::RegistryStore(const std::string& root, Report report)
    : key_(root + "\\" + options::kApplication + "\\" + options::kSection),
      report_(std::move(report)) {}

std::string RegistryStore::get(const std::string& key) {
  if (const auto held = unsaved_.find(key); held != unsaved_.end()) return held->second;
  std::string text;
  const LSTATUS status = key_.readText(key, kMaxValueChars, text);
  switch (status) {
    case ERROR_SUCCESS:
      return text;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return {};
    case ERROR_UNSUPPORTED_TYPE:
      report_.tell("the option " + key + " in " + key_.shown() +
                   " is not a text value; it is ignored and takes its default");
      return {};
    case ERROR_MORE_DATA:
      report_.tell("the option " + key + " in " + key_.shown() + " is longer than " +
                   std::to_string(kMaxValueChars) +
                   " characters; it is ignored and takes its default");
      return {};
    default:
      report_.tell("could not read the option " + key + " from " + key_.shown() + ": " +
                   systemErrorText(status) + "; it takes its default");
      return {};
  }
}

void RegistryStore::save(const std::string& key, const std::string& text) {
  unsaved_[key] = text;
  const LSTATUS status = key_.write([&](HKEY settings) {
    // Values held after earlier saves failed go in with this one.
    LSTATUS own = ERROR_SUCCESS;
    for (auto held = unsaved_.begin(); held != unsaved_.end();) {
      const LSTATUS set = setTextValue(settings, held->first, held->second);
      if (held->first == key) own = set;
      held = set == ERROR_SUCCESS ? unsaved_.erase(held) : std::next(held);
    }
    return own;
  });
  if (status != ERROR_SUCCESS) {
    report_.tell("could not save the option " + key + " to " + key_.shown() + ": " +
                 systemErrorText(status) + "; the new value holds until the game ends");
  }
}
