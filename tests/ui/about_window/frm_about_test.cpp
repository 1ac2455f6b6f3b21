#include "ui/about_window/frm_about.h"

#include <QLabel>
#include <QtTest/QTest>

#include "tests/ui/main_window/form1_fixture.h"

namespace {

class AboutWindow : public Form1Fixture {
 protected:
  frmAbout* openByBanner() {
    QTest::mouseClick(form->creditBanner(), Qt::LeftButton);
    return form->aboutWindow();
  }
  bool on(TimerId id) { return form->timer(id).isActive(); }
};

TEST_F(AboutWindow, HasItsDesignedLayoutTextsAndPictures) {
  frmAbout* w = openByBanner();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "About Zundabar");
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_EQ(w->size(), QSize(312, 289));
  EXPECT_EQ(w->cmdClose->geometry(), QRect(124, 231, 64, 22));
  EXPECT_EQ(w->cmdClose->text(), "Close");
  EXPECT_EQ(w->focusWidget(), w->cmdClose);
  const std::pair<const char*, QRect> places[] = {
      {"Label5", {75, 261, 162, 15}}, {"Label4", {70, 140, 211, 15}},
      {"Label3", {55, 210, 203, 15}}, {"Label2", {21, 119, 273, 15}},
      {"Image2", {37, 175, 238, 32}}, {"Label1", {70, 14, 211, 92}},
      {"Image1", {14, 14, 42, 39}}};
  for (auto [name, rect] : places) {
    QLabel* l = w->findChild<QLabel*>(name);
    ASSERT_NE(l, nullptr) << name;
    EXPECT_EQ(l->geometry(), rect) << name;
    EXPECT_EQ(l->focusPolicy(), Qt::NoFocus) << name;
  }
  QLabel* location = w->findChild<QLabel*>("Label2");
  EXPECT_EQ(location->text(), "HKEY_CURRENT_USER\\VB and VBA Program Settings\\ZNDBR\\");
  EXPECT_DOUBLE_EQ(location->font().pointSizeF(), 6.75);
  EXPECT_LE(location->fontMetrics().horizontalAdvance(location->text()), location->width());
  const QString about = w->findChild<QLabel*>("Label1")->text();
  EXPECT_TRUE(about.startsWith("    "));
  EXPECT_TRUE(about.endsWith(QString(19, ' ') +
                             "ZNDBR! uses four self-created registry keys, to store the options "
                             "from the options dialogue:"));
  EXPECT_TRUE(w->findChild<QLabel*>("Label4")->text().startsWith("    "));
  EXPECT_EQ(w->findChild<QLabel*>("Image1")->pixmap().size(), QSize(42, 39));
  const QImage banner = w->findChild<QLabel*>("Image2")->pixmap().toImage();
  EXPECT_EQ(banner.size(), QSize(238, 32));
  EXPECT_EQ(banner.pixelColor(0, 0).alpha(), 0);  // black is transparent
}

TEST_F(AboutWindow, CloseFromWaitingStartsPlayWithTheListenerStillOn) {
  frmAbout* w = openByBanner();
  EXPECT_FALSE(on(TimerId::Timer1));
  QTest::mouseClick(w->cmdClose, Qt::LeftButton);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(form->label(LabelId::Label1)->isHidden());
  EXPECT_TRUE(on(TimerId::Timer1));
  EXPECT_TRUE(on(TimerId::tmrListen));
  EXPECT_TRUE(player.played.empty());
  EXPECT_EQ(openByBanner(), w);  // shown again, the same window
}

TEST_F(AboutWindow, CloseDuringPlayResumesTheTick) {
  keys.held = {VirtualKey::Space};
  form->playControl().tmrListen_Timer();
  frmAbout* w = openByBanner();
  EXPECT_FALSE(on(TimerId::Timer1));
  QTest::mouseClick(w->cmdClose, Qt::LeftButton);
  EXPECT_TRUE(on(TimerId::Timer1));
  EXPECT_FALSE(on(TimerId::tmrListen));
}

TEST_F(AboutWindow, ATitleBarCloseLeavesTheTickOffAndTheNextOpeningCreatesItAfresh) {
  frmAbout* w = openByBanner();
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form->aboutWindow(), nullptr);
  EXPECT_FALSE(on(TimerId::Timer1));
  EXPECT_FALSE(form->label(LabelId::Label1)->isHidden());
  EXPECT_NE(openByBanner(), nullptr);
}

}  // namespace
