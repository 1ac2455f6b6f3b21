#pragma once

#include <string>

// The per-user store of the four options, under application "ZNDBR", section "Settings".
// Nothing is cached: every read asks the store, every save takes effect at once.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or the empty text when the key is missing.
  virtual std::string get(const std::string& key) = 0;
  virtual void save(const std::string& key, const std::string& text) = 0;
};
