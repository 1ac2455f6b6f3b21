#include "ui/main_window/lazy_pad_reader.h"

#include <utility>

#include "ui/main_window/game_module.h"
#include "ui/stderr_report.h"

LazyPadReader::LazyPadReader(QStringList paths) : paths_(std::move(paths)) {}

// The reader's code lives in the module, so it goes first; the module itself stays loaded.
LazyPadReader::~LazyPadReader() { reader_.reset(); }

QStringList LazyPadReader::modulePaths() { return gameModulePaths(kPadModuleName); }

PadReadings LazyPadReader::read() {
  if (!tried_) {
    tried_ = true;
    std::string failure;
    auto create = reinterpret_cast<CreatePadReader>(
        loadGameModule(library_, paths_, kCreatePadReaderSymbol, failure));
    if (!create) {
      tellOnStderr("cannot load the pad module (" + printable(failure) + "); no game pad is read");
    } else {
      reader_.reset(create(&failure));
      if (!reader_) {
        tellOnStderr("cannot read game pads (" + printable(failure) + "); no game pad is read");
      }
    }
  }
  return reader_ ? reader_->read() : PadReadings{};
}
