#pragma once

#include <map>
#include <string>

#include "play/options_storage.h"
#include "ui/stores/guarded_file.h"

// The options in a file of our own, in the INI format and at the path QSettings uses on Linux,
// kept so that nothing found on disk can hang or crash the game and no stored option is lost:
// only a regular file of at most 1 MiB is read, without blocking; a save writes a complete new
// file beside the old one and replaces it only once every byte is on the disk; a damaged file is
// kept under a name of its own. Each problem names the file.
class OptionsFileStore final : public OptionsStorage {
 public:
  using DiskCalls = ::DiskCalls;
  static constexpr off_t kMaxFileBytes = 1 << 20;

  // Removes what a game killed while saving left beside the file.
  explicit OptionsFileStore(std::string path);
  OptionsFileStore(std::string path, DiskCalls calls);

  Found read(const std::string& key) override;
  Written write(const std::map<std::string, std::string>& values) override;
  std::string shownLocation() const override;

 private:
  // Writes the values into the file; false with the reason when that fails.
  bool writeValues(const std::map<std::string, std::string>& values, Written& written,
                   std::string& why);

  std::string path_;
  DiskCalls calls_;
};
