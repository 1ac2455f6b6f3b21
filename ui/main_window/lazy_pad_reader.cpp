#include "ui/main_window/lazy_pad_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

#include "ui/stderr_report.h"

LazyPadReader::LazyPadReader(QStringList paths) : paths_(std::move(paths)) {}

// The reader's code lives in the module, so it goes first; the module itself stays loaded.
LazyPadReader::~LazyPadReader() { reader_.reset(); }

QStringList LazyPadReader::modulePaths() {
  const QString here = QCoreApplication::applicationDirPath();
  return {QDir(here).filePath(kPadModuleName),
          QDir(here).filePath(QString("../lib/zundabar/") + kPadModuleName)};
}

PadReadings LazyPadReader::read() {
  if (!tried_) {
    tried_ = true;
    QStringList failures;
    for (const QString& path : paths_) {
      library_.setFileName(path);
      if (library_.load()) break;
      failures << library_.errorString();
    }
    auto create = reinterpret_cast<CreatePadReader>(library_.resolve(kCreatePadReaderSymbol));
    std::string failure;
    if (!create) {
      tellOnStderr("cannot load the pad module (" + printable(failures.join("; ").toStdString()) +
                   "); no game pad is read");
    } else if (reader_.reset(create(&failure)), !reader_) {
      tellOnStderr("cannot read game pads (" + printable(failure) + "); no game pad is read");
    }
  }
  return reader_ ? reader_->read() : PadReadings{};
}
