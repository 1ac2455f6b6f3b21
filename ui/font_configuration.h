#pragma once

#include <thread>

// Where the system lists its fonts through fontconfig (Linux and the other Unix desktops),
// reading that configuration is the dearest part of showing any text at all. It depends on
// nothing of the window system, so it is read on a thread of its own while the game connects to
// the display, and the first window's text no longer waits for it. Elsewhere this does nothing.
class FontConfigurationLoader {
 public:
  // Starts reading. Made after the standard streams are secured: the reading opens files, and
  // must not be given descriptor 0, 1 or 2.
  FontConfigurationLoader();
  // Returns once the configuration is read; before the first font is asked for, so that Qt does
  // not read it a second time meanwhile. Waiting again returns at once.
  void wait();
  ~FontConfigurationLoader();

  FontConfigurationLoader(const FontConfigurationLoader&) = delete;
  FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

 private:
  std::thread reader_;
};
