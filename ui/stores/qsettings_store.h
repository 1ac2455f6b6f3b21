#pragma once

#include <QString>
#include <map>
#include <set>

#include "game/settings_store.h"

// The options in the platform's own store through QSettings: the registry on Windows, the
// preferences on macOS, which guard their data themselves. A problem is told once on stderr and
// never stops the game: a value that cannot be read takes its default, one that cannot be saved
// holds until the game ends.
class QSettingsStore final : public SettingsStore {
 public:
  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;
  // Where the options live on this platform.
  static QString location();

 private:
  void tellOnce(const std::string& line);

  std::map<std::string, std::string> unsaved_;
  std::set<std::string> told_;
};
