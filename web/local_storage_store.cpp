#include "web/local_storage_store.h"

#include <array>

#include "game/option_rules.h"
#include "web/page.h"

namespace {

std::string storageError() {
  std::array<char, 64> name{};
  pageStorageError(name.data(), static_cast<int>(name.size()));
  return name.data();
}

}  // namespace

std::string LocalStorageStore::itemName(const std::string& key) {
  return options::kStoreFolder + "\\" + options::kApplication + "\\" + options::kSection + "\\" +
         key;
}

std::string LocalStorageStore::get(const std::string& key) {
  if (const auto held = held_.find(key); held != held_.end()) return held->second;
  std::array<char, options::kMaxOptionChars + 2> text{};
  const int length =
      pageStorageGet(itemName(key).c_str(), text.data(), static_cast<int>(text.size()));
  if (length == -2) {
    tellOnce("read", "zundabar: the page's storage cannot be read (" + storageError() +
                         "); the options take their defaults");
    return {};
  }
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) > options::kMaxOptionChars) {
    tellOnce("long " + key, "zundabar: the stored \"" + key + "\" is longer than " +
                                std::to_string(options::kMaxOptionChars) +
                                " characters and reads as missing");
    return {};
  }
  return text.data();
}

void LocalStorageStore::save(const std::string& key, const std::string& text) {
  if (pageStorageSave(itemName(key).c_str(), text.c_str()) == 1) {
    held_.erase(key);
    return;
  }
  held_[key] = text;
  tellOnce("save", "zundabar: the page's storage refused \"" + key + "\" (" + storageError() +
                       "); the new value holds until the game ends");
}

void LocalStorageStore::tellOnce(const std::string& what, const std::string& text) {
  if (told_.insert(what).second) pageTell(text.c_str());
}
