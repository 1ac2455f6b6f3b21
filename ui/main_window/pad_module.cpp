#include <QtGlobal>

#include "ui/main_window/pad_reader.h"
#include "ui/main_window/sdl_pad_reader.h"

extern "C" Q_DECL_EXPORT PadReader* zundabarCreatePadReader(std::string* failure) {
  return SdlPadReader::start(*failure).release();
}
