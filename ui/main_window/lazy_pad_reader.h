#pragma once

#include <QLibrary>
#include <QStringList>
#include <memory>

#include "ui/main_window/pad_reader.h"

// The pads' reader the game starts with: SDL lives in a module of its own, loaded at the first
// read, after the window has shown, so that start-up neither loads nor starts it. When the
// module or SDL's controllers cannot be started the game reads no pads and says so once.
class LazyPadReader final : public PadReader {
 public:
  // paths: where to look for the module, first found wins.
  explicit LazyPadReader(QStringList paths = modulePaths());
  ~LazyPadReader() override;
  PadReadings read() override;
  bool started() const { return reader_ != nullptr; }

  // Beside the program, then in the installed library folder.
  static QStringList modulePaths();

 private:
  QStringList paths_;
  bool tried_ = false;
  QLibrary library_;
  std::unique_ptr<PadReader> reader_;
};
