#include "ui/main_window/message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

#include "ui/window_zoom.h"

namespace {

// A message box laid out as at 1x and then enlarged as a whole. Left to itself, the box would
// wrap its text at a width of its own choosing, the same at every zoom.
class ZoomedMessageBox final : public QMessageBox {
 public:
  ZoomedMessageBox(const QString& title, const QString& text, QWidget* parent, int zoom)
      : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent), zoom_(zoom) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (zoom_ == 1) return;
    const QPoint centre = geometry().center();
    zoomWindow(this, zoom_);
    laidOut_ = true;
    move(centre - rect().center());
  }

  bool event(QEvent* event) override {
    if (laidOut_ && event->type() == QEvent::LayoutRequest) return QDialog::event(event);
    return QMessageBox::event(event);
  }

 private:
  int zoom_;
  bool laidOut_ = false;
};

}  // namespace

QString messageBoxClipboardText(const QString& title, const QString& text) {
  const QString rule = "---------------------------\r\n";
  return rule + title + "\r\n" + rule + text + "\r\n" + rule + "OK   \r\n" + rule;
}

void showGameMessage(QWidget* parent, const QString& title, const QString& text, int zoom) {
  ZoomedMessageBox box(title, QString(text).replace("\r\n", "\n"), parent, zoom);
  box.setObjectName("gameMessage");
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  auto* copy = new QShortcut(QKeySequence::Copy, &box);
  QObject::connect(copy, &QShortcut::activated, &box, [title, text] {
    QGuiApplication::clipboard()->setText(messageBoxClipboardText(title, text));
  });
  box.exec();
}
