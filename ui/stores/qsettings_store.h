#pragma once

#include <QString>

#include "play/options_storage.h"

// The options in the platform's own store through QSettings: the registry on Windows, the
// preferences on macOS, which guard their data themselves.
class QSettingsStore final : public OptionsStorage {
 public:
  Found read(const std::string& key) override;
  Written write(const std::map<std::string, std::string>& values) override;
  std::string shownLocation() const override;
  // Where the options live on this platform.
  static QString location();
};
