#include "ui/about_window/about_window.h"

#include <QApplication>
#include <QLabel>
#include <QTextDocument>
#include <QtTest/QTest>

#include "design/about_window_design.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/designed_window.h"

namespace {

class AboutWindowTest : public MainWindowFixture {
 protected:
  AboutWindow* openByBanner() {
    QTest::mouseClick(form->creditBanner(), Qt::LeftButton);
    return form->aboutWindow();
  }
  bool on(TimerId id) { return form->timer(id).isActive(); }
};

TEST_F(AboutWindowTest, HasItsDesignedLayoutTextsAndPictures) {
  AboutWindow* w = openByBanner();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "About Zundabar");
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_EQ(w->size(), toQRect(aboutWindowDesign().clientPixels()).size());
  EXPECT_EQ(w->closeButton->text(), "Close");
  EXPECT_EQ(w->focusWidget(), w->closeButton);
  for (const char* name : {"copyright", "musicCredit", "makerAddress", "optionsLocation",
                           "makerBanner", "aboutText", "piSign"}) {
    EXPECT_EQ(w->findChild<QLabel*>(name)->focusPolicy(), Qt::NoFocus) << name;
  }
  QLabel* location = w->findChild<QLabel*>("optionsLocation");
  EXPECT_EQ(location->text(), "HKEY_CURRENT_USER\\VB and VBA Program Settings\\ZNDBR\\");
  EXPECT_DOUBLE_EQ(location->font().pointSizeF(), 6.75);
  EXPECT_LE(location->fontMetrics().horizontalAdvance(location->text()), location->width());
  const QString about = w->findChild<QLabel*>("aboutText")->text();
  EXPECT_TRUE(about.startsWith("    "));
  EXPECT_TRUE(about.contains(QString(19, ' ') + "ZNDBR! uses "));
  EXPECT_TRUE(
      about.endsWith(" self-created registry keys, to store the options from the options "
                     "dialogue:"));
  EXPECT_TRUE(w->findChild<QLabel*>("musicCredit")->text().startsWith("    "));
  EXPECT_EQ(w->findChild<QLabel*>("piSign")->pixmap().size(), QSize(42, 39));
  const QImage banner = w->findChild<QLabel*>("makerBanner")->pixmap().toImage();
  EXPECT_EQ(banner.size(), QSize(238, 32));
  EXPECT_EQ(banner.pixelColor(0, 0).alpha(), 0);  // black is transparent
}

TEST_F(AboutWindowTest, CloseFromWaitingStartsPlayWithTheListenerStillOn) {
  AboutWindow* w = openByBanner();
  EXPECT_FALSE(on(TimerId::Tick));
  QTest::mouseClick(w->closeButton, Qt::LeftButton);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(form->label(LabelId::StartPrompt)->isHidden());
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));
  EXPECT_TRUE(player.played.empty());
  EXPECT_EQ(openByBanner(), w);  // shown again, the same window
}

TEST_F(AboutWindowTest, CloseDuringPlayResumesTheTick) {
  keys.held = {VirtualKey::Space};
  form->playControl().pollStartKeys();
  AboutWindow* w = openByBanner();
  EXPECT_FALSE(on(TimerId::Tick));
  QTest::mouseClick(w->closeButton, Qt::LeftButton);
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_FALSE(on(TimerId::Listener));
}

TEST_F(AboutWindowTest, AnyOtherCloseActsAsCloseAndTheNextOpeningCreatesItAfresh) {
  AboutWindow* w = openByBanner();
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form->aboutWindow(), nullptr);
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));
  EXPECT_TRUE(form->label(LabelId::StartPrompt)->isHidden());
  EXPECT_NE(openByBanner(), nullptr);
}

// The options' location comes from outside: markup in it is shown as it stands.
TEST_F(AboutWindowTest, TheOptionsLocationIsShownAsPlainText) {
  const QString path = "/home/<b>me</b> &amp; <img src=x>/ZNDBR.conf";
  AboutWindow w(form.get(), form->session(), path);
  QTextDocument shown;
  shown.setHtml(w.findChild<QLabel*>("optionsLocation")->toolTip());
  EXPECT_EQ(shown.toPlainText().toStdString(),
            ("On this computer the options are kept in " + path).toStdString());
}

TEST_F(AboutWindowTest, KeypadEnterPressesCloseAndTheMainWindowTakesTheKeyboardBack) {
  form->show();
  AboutWindow* w = openByBanner();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  QTest::keyClick(w->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_EQ(QApplication::focusWidget(), form->playfield());
}

}  // namespace
