#pragma once

#include <QLabel>
#include <QStringList>

// A label whose caption, when it wraps, breaks into lines by the labels' rule
// (design/word_wrap.h) measured in its own font, so that its lines break where every front-end
// breaks them; it draws them as a plain label draws its text.
class WrappingLabel final : public QLabel {
 public:
  WrappingLabel(const QString& caption, QWidget* parent);

  // The lines the caption is shown in: one for a label that does not wrap.
  QStringList shownLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The lines are broken again only when the caption, the font or the width has changed.
  mutable QString brokenCaption_;
  mutable QFont brokenFont_;
  mutable int brokenWidth_ = -1;
  mutable QStringList lines_;
};
