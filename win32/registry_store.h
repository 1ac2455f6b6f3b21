#pragma once

#include <string>

#include "game/option_rules.h"
#include "play/options_storage.h"
#include "win32/registry_key.h"

// Where Visual Basic's SaveSetting keeps every program's settings, below HKEY_CURRENT_USER.
inline const std::string kVbSettingsRoot = "Software\\" + options::kStoreFolder;

// The four options as REG_SZ values of HKEY_CURRENT_USER\<root>\ZNDBR\Settings. Every read asks
// the registry, and takes no more than the game does: a longer value, or one of another type,
// is found as none. A write sets its own values and nothing else in the key.
class RegistryStore final : public OptionsStorage {
 public:
  explicit RegistryStore(const std::string& root = kVbSettingsRoot);

  Found read(const std::string& key) override;
  Written write(const std::map<std::string, std::string>& values) override;
  std::string shownLocation() const override { return key_.shown(); }

  // The key that holds the values, below HKEY_CURRENT_USER.
  const std::string& keyPath() const { return key_.path(); }

 private:
  RegistryKey key_;
};
