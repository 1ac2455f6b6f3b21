#pragma once

#include <QLabel>
#include <QStringList>
#include <QTextLayout>

// The lines a word-wrapping label shows its caption in, each without its surrounding blanks.
inline QStringList wrappedLines(const QLabel* label) {
  QTextLayout layout(label->text(), label->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label->width());
    lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}
