#include "ui/main_window/message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

namespace {

const QString kTitle = "Zundabar";

}  // namespace

QString messageBoxClipboardText(const QString& title, const QString& text) {
  const QString rule = "---------------------------\r\n";
  return rule + title + "\r\n" + rule + text + "\r\n" + rule + "OK   \r\n" + rule;
}

void showGameMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, QString(text).replace("\r\n", "\n"), QMessageBox::Ok,
                  parent);
  box.setObjectName("gameMessage");
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  auto* copy = new QShortcut(QKeySequence::Copy, &box);
  QObject::connect(copy, &QShortcut::activated, &box, [text] {
    QGuiApplication::clipboard()->setText(messageBoxClipboardText(kTitle, text));
  });
  box.exec();
}
