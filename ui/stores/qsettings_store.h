#pragma once

#include <QString>

#include "game/settings_store.h"

// The options in the platform's per-user store: the registry on Windows, an INI file under
// $XDG_CONFIG_HOME on Linux. Problems with the store are told on stderr, naming the file, and
// never stop the game: a value that cannot be read takes its default, one that cannot be saved
// stays in the running game.
class QSettingsStore final : public SettingsStore {
 public:
  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;
  // Where the options live on this platform.
  static QString location();

 private:
  struct FileCheck {
    bool unreadable = false;  // binary, not text, or far too large
    int damagedLine = 0;      // the first line that is no part of an options file, from 1
  };
  FileCheck checkFile() const;
  void reportOnce(bool& reported, const QString& line);

  bool corruptReported_ = false;
  bool tooLongReported_ = false;
  bool damagedReported_ = false;
  bool readErrorReported_ = false;
};
