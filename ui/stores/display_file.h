#pragma once

#include <QString>
#include <string>

#include "design/display_store.h"
#include "ui/stores/guarded_file.h"

// The display choice, kept per user in a small file of its own beside, not among, the game's
// four options, and guarded as they are: only a regular file is read, without blocking, and a save
// replaces only a regular or missing file, once the whole new file is on the disk. Problems are
// told on stderr and never stop the game: an unreadable file gives the defaults, a failed save
// leaves the previous file byte for byte.
class DisplayFile final : public DisplayStore {
 public:
  explicit DisplayFile(QString path = defaultPath());
  // For a test whose disk fails.
  DisplayFile(QString path, DiskCalls calls);
  // Zundabar/display.conf in the user's configuration folder.
  static QString defaultPath();
  const QString& path() const { return path_; }

  DisplayChoice load() override;
  // Writes a complete new file and puts it in place of the old one at once.
  void save(const DisplayChoice& choice) override;

 private:
  std::string localPath() const;

  QString path_;
  DiskCalls calls_;
};
