#include "ui/wrapping_label.h"

#include <QPainter>
#include <QStyle>
#include <string_view>

#include "design/word_wrap.h"
#include "ui/game_font.h"

WrappingLabel::WrappingLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

QStringList WrappingLabel::shownLines() const {
  if (!wordWrap()) return {text()};
  const int width = contentsRect().width();
  if (text() == brokenCaption_ && font() == brokenFont_ && width == brokenWidth_) return lines_;
  brokenCaption_ = text();
  brokenFont_ = font();
  brokenWidth_ = width;
  const QByteArray utf8 = brokenCaption_.toUtf8();
  const std::string_view caption(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  const FontMeasure measure = qtMeasure(brokenFont_);
  const auto widthOf = [&](std::size_t start, std::size_t length) {
    return measure.width(caption.substr(start, length));
  };
  lines_.clear();
  for (const WrappedLine& line : wrapAtWords(caption, width, widthOf)) {
    lines_ << QString::fromUtf8(caption.data() + line.start, static_cast<qsizetype>(line.length));
  }
  return lines_;
}

void WrappingLabel::paintEvent(QPaintEvent* event) {
  if (!wordWrap()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  drawFrame(&painter);
  // As a plain label draws its text, on the lines broken beforehand.
  style()->drawItemText(
      &painter, contentsRect(),
      QStyle::visualAlignment(Qt::LeftToRight, alignment()) | Qt::TextForceLeftToRight, palette(),
      isEnabled(), shownLines().join(QLatin1Char('\n')), foregroundRole());
}
