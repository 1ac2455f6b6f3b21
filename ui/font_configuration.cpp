#include "ui/font_configuration.h"

#include <system_error>

#if ZUNDABAR_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#if ZUNDABAR_HAS_FONTCONFIG
// fontconfig sets up its configuration once, atomically: when two threads read it at the same
// time, the one that finishes second throws its copy away, and both go on with the first.
void readFontConfiguration() { FcInit(); }
#endif

}  // namespace

FontConfigurationLoader::FontConfigurationLoader() {
#if ZUNDABAR_HAS_FONTCONFIG
  try {
    reader_ = std::thread([this] {
#ifdef __linux__
      // The lowest priority, for this thread alone: the display server answers the game's
      // start-up requests first, and on a machine with few processors that is what the window
      // waits for.
      setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
      readFontConfiguration();
      read_.store(true, std::memory_order_release);
    });
  } catch (const std::system_error&) {
    // No thread to spare: the configuration is read when it is first needed.
  }
#endif
}

void FontConfigurationLoader::finish() {
#if ZUNDABAR_HAS_FONTCONFIG
  if (!read_.load(std::memory_order_acquire)) readFontConfiguration();
#endif
}

FontConfigurationLoader::~FontConfigurationLoader() {
  if (reader_.joinable()) reader_.join();
}
