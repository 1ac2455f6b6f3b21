#include "ui/font_configuration.h"

#include <system_error>

#if ZUNDABAR_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigurationLoader::FontConfigurationLoader() {
#if ZUNDABAR_HAS_FONTCONFIG
  try {
    // fontconfig sets up its configuration once, atomically: a second reader that comes first
    // only makes this one's work wasted, never wrong.
    reader_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: Qt reads the configuration itself when it first needs it.
  }
#endif
}

void FontConfigurationLoader::wait() {
  if (reader_.joinable()) reader_.join();
}

FontConfigurationLoader::~FontConfigurationLoader() { wait(); }
