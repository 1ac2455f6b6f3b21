#pragma once

#include <QString>

// How the player last saw the main window: its zoom in a window, and whether full screen.
struct DisplayChoice {
  int zoom = 1;
  bool fullScreen = false;
  bool operator==(const DisplayChoice&) const = default;
};

// The display choice, kept per user in a small file of its own beside, not among, the game's
// four options. Problems are told on stderr and never stop the game: an unreadable file gives
// the defaults, a failed save leaves the previous file as it was.
class DisplayFile {
 public:
  static constexpr int kMaxZoom = 32;

  explicit DisplayFile(QString path = defaultPath());
  // Zundabar/display.conf in the user's configuration folder.
  static QString defaultPath();
  const QString& path() const { return path_; }

  DisplayChoice load() const;
  // Writes a complete new file and puts it in place of the old one at once.
  void save(const DisplayChoice& choice) const;

 private:
  QString path_;
};
