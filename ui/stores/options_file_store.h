#pragma once

#include <map>
#include <set>
#include <string>

#include "game/settings_store.h"
#include "ui/stores/guarded_file.h"

// The options in a file of our own, in the INI format and at the path QSettings uses on Linux,
// kept so that nothing found on disk can hang or crash the game and no stored option is lost:
// only a regular file of at most 1 MiB is read, without blocking; a save writes a complete new
// file beside the old one and replaces it only once every byte is on the disk; a damaged file is
// kept under a name of its own. Each problem is told once on stderr, naming the file, and a value
// that could not be saved still holds until the game ends.
class OptionsFileStore final : public SettingsStore {
 public:
  using DiskCalls = ::DiskCalls;
  static constexpr off_t kMaxFileBytes = 1 << 20;

  // Removes what a game killed while saving left beside the file.
  explicit OptionsFileStore(std::string path);
  OptionsFileStore(std::string path, DiskCalls calls);

  std::string get(const std::string& key) override;
  void save(const std::string& key, const std::string& text) override;

 private:
  // Writes every value not yet on the disk; false with the reason when that fails.
  bool writeUnsaved(std::string& why);
  void tellOnce(const std::string& line);

  std::string path_;
  DiskCalls calls_;
  std::map<std::string, std::string> unsaved_;
  std::set<std::string> told_;
};
