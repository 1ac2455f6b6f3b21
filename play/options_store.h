#pragma once

#include <map>
#include <memory>
#include <string>

#include "game/settings_store.h"
#include "play/once_report.h"
#include "play/options_storage.h"

// The options as the game keeps them on every platform, over the platform's storage: a value
// longer than 64 characters reads as missing, and a value whose save failed holds until the game
// ends and goes in with the next save. What goes wrong is told once.
class OptionsStore final : public SettingsStore {
 public:
  OptionsStore(std::unique_ptr<OptionsStorage> storage, OnceReport::Report report);

  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;

 private:
  std::unique_ptr<OptionsStorage> storage_;
  OnceReport report_;
  // The values whose saves failed, read before the storage.
  std::map<std::string, std::string> held_;
};
