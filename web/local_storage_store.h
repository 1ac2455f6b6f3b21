#pragma once

#include <map>
#include <set>
#include <string>

#include "game/settings_store.h"

// The four options in the page's storage, one item each, named by the store's folder,
// application and section and the option's key, with the same texts as on the desktop. Storage
// may be blocked (a sandboxed frame, site data switched off) or full: the game plays on, a value
// that could not be saved holds for the page's life, and the console says so once.
class LocalStorageStore final : public SettingsStore {
 public:
  static std::string itemName(const std::string& key);

  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;

 private:
  void tellOnce(const std::string& what, const std::string& text);

  std::map<std::string, std::string> held_;
  std::set<std::string> told_;
};
