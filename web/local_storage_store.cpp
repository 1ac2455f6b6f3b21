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

std::string LocalStorageOptions::itemName(const std::string& key) {
  return options::kStoreFolder + "\\" + options::kApplication + "\\" + options::kSection + "\\" +
         key;
}

OptionsStorage::Found LocalStorageOptions::read(const std::string& key) {
  Found found;
  // Room for the longest text the game takes, in UTF-8, and one byte more.
  std::array<char, options::kMaxOptionChars * 4 + 2> text{};
  const int length =
      pageStorageGet(itemName(key).c_str(), text.data(), static_cast<int>(text.size()));
  if (length == -2) {
    found.problems.push_back("the page's storage cannot be read (" + storageError() +
                             "); the options take their defaults");
  } else if (length >= static_cast<int>(text.size())) {
    found.overLong = true;
  } else if (length >= 0) {
    found.text = std::string(text.data(), static_cast<std::size_t>(length));
  }
  return found;
}

OptionsStorage::Written LocalStorageOptions::write(
    const std::map<std::string, std::string>& values) {
  Written written;
  for (const auto& [key, text] : values) {
    if (pageStorageSave(itemName(key).c_str(), text.c_str()) != 1) {
      written.failed[key] = storageError();
    }
  }
  return written;
}

std::string LocalStorageOptions::shownLocation() const {
  return "the page's storage (" + itemName("") + ")";
}
