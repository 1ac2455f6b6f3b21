#pragma once

#include <map>
#include <string>

#include "game/option_rules.h"
#include "game/settings_store.h"
#include "win32/registry_key.h"

// Where Visual Basic's SaveSetting keeps every program's settings, below HKEY_CURRENT_USER.
inline const std::string kVbSettingsRoot = "Software\\" + options::kStoreFolder;

// The four options as REG_SZ values of HKEY_CURRENT_USER\<root>\ZNDBR\Settings. Every read asks
// the registry. A value of another type, or longer than 64 characters, reads as missing. A save
// sets its own value and nothing else in the key. What cannot be read or saved is told once,
// and a value whose save failed holds in memory until the game ends.
class RegistryStore final : public SettingsStore {
 public:
  using Report = OnceReport::Report;

  explicit RegistryStore(const std::string& root = kVbSettingsRoot, Report report = {});

  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;

  // The key that holds the values, below HKEY_CURRENT_USER.
  const std::string& keyPath() const { return key_.path(); }

  static constexpr std::size_t kMaxValueChars = options::kMaxOptionChars;

 private:
  RegistryKey key_;
  OnceReport report_;
  std::map<std::string, std::string> unsaved_;
};
