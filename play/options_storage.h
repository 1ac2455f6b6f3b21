#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Where a platform keeps the options: its own reading and writing and nothing more. What every
// platform's options obey (OptionsStore) lies above it; a storage answers what it found, what
// went wrong and why, and tells nothing itself.
class OptionsStorage {
 public:
  struct Found {
    // The stored text in UTF-8; nothing when the value is missing or cannot be read.
    std::optional<std::string> text;
    // The value is longer than the storage reads, which is more than the game takes.
    bool overLong = false;
    // Lines to tell, each naming what is wrong; a text may still have been found.
    std::vector<std::string> problems;
  };
  struct Written {
    // Every value that is not on the storage, with the reason.
    std::map<std::string, std::string> failed;
    std::vector<std::string> problems;
  };

  virtual ~OptionsStorage() = default;
  virtual Found read(const std::string& key) = 0;
  // Writes the values all together: a new one and those whose earlier saves failed.
  virtual Written write(const std::map<std::string, std::string>& values) = 0;
  // Where the options are, as a line names it, with control characters shown.
  virtual std::string shownLocation() const = 0;
};
