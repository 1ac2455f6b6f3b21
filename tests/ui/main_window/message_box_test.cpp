#include "ui/main_window/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

namespace {

// Runs the check against the box while it is open, then closes it with Enter.
void whileOpen(const std::function<void(QMessageBox*)>& check) {
  QTimer::singleShot(0, [check] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    check(box);
    QTest::keyClick(box, Qt::Key_Return);
  });
}

TEST(GameMessage, IsAnOkOnlyBoxWithoutIconCaptionedZundabarAndClosedByEnter) {
  bool seen = false;
  whileOpen([&](QMessageBox* box) {
    seen = true;
    EXPECT_EQ(box->windowTitle(), "Zundabar");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text(), "first line\nScore: 5");
    EXPECT_TRUE(box->isModal());
  });
  showGameMessage(nullptr, "Zundabar", "first line\r\nScore: 5");
  EXPECT_TRUE(seen);
}

TEST(GameMessage, CtrlCCopiesTheTitleAndTheTextAsOnWindows) {
  QApplication::clipboard()->clear();
  whileOpen([](QMessageBox* box) {
    QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier);
  });
  showGameMessage(nullptr, "Zundabar", "Winner! Press 'Enter' for round 2. Score: 105");
  EXPECT_EQ(QApplication::clipboard()->text(),
            "---------------------------\r\nZundabar\r\n---------------------------\r\n"
            "Winner! Press 'Enter' for round 2. Score: 105\r\n"
            "---------------------------\r\nOK   \r\n---------------------------\r\n");
}

}  // namespace
