#pragma once

#include <string>

#include "play/options_storage.h"

// The four options in the page's storage, one item each, named by the store's folder,
// application and section and the option's key, with the same texts as on the desktop. Storage
// may be blocked (a sandboxed frame, site data switched off) or full: every call is guarded, and
// what it threw is the reason the shared options store tells.
class LocalStorageOptions final : public OptionsStorage {
 public:
  static std::string itemName(const std::string& key);

  Found read(const std::string& key) override;
  Written write(const std::map<std::string, std::string>& values) override;
  std::string shownLocation() const override;
};
