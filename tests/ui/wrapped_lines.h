#pragma once

#include <QLabel>
#include <QStringList>

#include "ui/wrapping_label.h"

// The lines a word-wrapping label shows its caption in.
inline QStringList wrappedLines(const QLabel* label) {
  const auto* wrapping = dynamic_cast<const WrappingLabel*>(label);
  return wrapping ? wrapping->shownLines() : QStringList{};
}
