#pragma once

#include <atomic>
#include <thread>

// Where the system lists its fonts through fontconfig (Linux and the other Unix desktops),
// reading that configuration is the dearest part of showing any text at all. It depends on
// nothing of the window system, so a thread of its own reads it in the time the processors have
// to spare while the game connects to the display; the first window's text no longer waits for
// it. Elsewhere this does nothing.
class FontConfigurationLoader {
 public:
  // Starts reading. Made after the standard streams are secured: the reading opens files, and
  // must not be given descriptor 0, 1 or 2.
  FontConfigurationLoader();
  // Called before the first font is asked for. If the thread has not finished, this thread reads
  // the configuration itself rather than wait: on a busy machine the reader may get little time.
  void finish();
  ~FontConfigurationLoader();

  FontConfigurationLoader(const FontConfigurationLoader&) = delete;
  FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

 private:
  std::atomic<bool> read_{false};
  std::thread reader_;
};
