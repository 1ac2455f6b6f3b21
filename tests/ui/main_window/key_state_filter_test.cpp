#include "ui/main_window/key_state_filter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>
#include <QWindow>

namespace {

class KeyStateFilterTest : public ::testing::Test {
 protected:
  QWidget window;
  KeyStateFilter keys;

  void SetUp() override {
    window.show();
    window.winId();
  }
  // As the platform delivers it: to the window first, which passes it on to the widget.
  void send(QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent toWindow(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(window.windowHandle(), &toWindow);
  }
};

TEST_F(KeyStateFilterTest, AKeyDownCountsUntilItIsReleased) {
  EXPECT_FALSE(keys.pressed(VirtualKey::Down));
  send(QEvent::KeyPress, Qt::Key_Down);
  EXPECT_TRUE(keys.pressed(VirtualKey::Down));
  EXPECT_TRUE(keys.pressed(VirtualKey::Down));
  send(QEvent::KeyRelease, Qt::Key_Down);
  EXPECT_FALSE(keys.pressed(VirtualKey::Down));
}

TEST_F(KeyStateFilterTest, APressReleasedBeforeTheQueryCountsOnce) {
  send(QEvent::KeyPress, Qt::Key_Space);
  send(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_TRUE(keys.pressed(VirtualKey::Space));
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  EXPECT_FALSE(keys.pressed(VirtualKey::Up));  // another key's query is separate
}

TEST_F(KeyStateFilterTest, AutoRepeatAndOtherKeysAreIgnored) {
  send(QEvent::KeyPress, Qt::Key_Escape, true);
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
  send(QEvent::KeyPress, Qt::Key_A);
  for (VirtualKey k :
       {VirtualKey::Backspace, VirtualKey::Escape, VirtualKey::Space, VirtualKey::Left,
        VirtualKey::Up, VirtualKey::Right, VirtualKey::Down, VirtualKey::F1})
    EXPECT_FALSE(keys.pressed(k));
}

TEST_F(KeyStateFilterTest, EachEightKeyIsKnown) {
  const std::pair<int, VirtualKey> keysByQt[] = {{Qt::Key_Backspace, VirtualKey::Backspace},
                                                 {Qt::Key_Escape, VirtualKey::Escape},
                                                 {Qt::Key_Space, VirtualKey::Space},
                                                 {Qt::Key_Left, VirtualKey::Left},
                                                 {Qt::Key_Up, VirtualKey::Up},
                                                 {Qt::Key_Right, VirtualKey::Right},
                                                 {Qt::Key_Down, VirtualKey::Down},
                                                 {Qt::Key_F1, VirtualKey::F1}};
  for (auto [qt, vk] : keysByQt) {
    send(QEvent::KeyPress, qt);
    send(QEvent::KeyRelease, qt);
    EXPECT_TRUE(keys.pressed(vk)) << qt;
  }
}

TEST_F(KeyStateFilterTest, AnEventSeenByTheWindowAndTheWidgetCountsOnce) {
  // Delivered to the widget alone it is not counted: the window has already seen it.
  QKeyEvent toWidget(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &toWidget);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
}

TEST_F(KeyStateFilterTest, LosingTheFocusLetsHeldKeysGoButKeepsATapNotYetQueried) {
  send(QEvent::KeyPress, Qt::Key_Right);
  EXPECT_TRUE(keys.pressed(VirtualKey::Right));
  // Under Wayland the focus can leave right after a tap, before the game has looked.
  send(QEvent::KeyPress, Qt::Key_Space);
  send(QEvent::KeyRelease, Qt::Key_Space);
  emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_FALSE(keys.pressed(VirtualKey::Right));
  EXPECT_TRUE(keys.pressed(VirtualKey::Space));
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
}

TEST_F(KeyStateFilterTest, KeysPressedInAPopupMenuAreNotTheGames) {
  send(QEvent::KeyPress, Qt::Key_Left);
  QMenu menu(&window);
  menu.addAction("1x");
  menu.popup(QPoint());
  ASSERT_EQ(QApplication::activePopupWidget(), &menu);
  send(QEvent::KeyPress, Qt::Key_Escape);  // closes the menu, and must not end the game
  send(QEvent::KeyRelease, Qt::Key_Left);  // a key held when the menu opened is let go
  menu.close();
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));  // pressed since the last query
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
}

TEST_F(KeyStateFilterTest, ForgettingDropsAnEarlierPressButNotAKeyStillDown) {
  send(QEvent::KeyPress, Qt::Key_Escape);
  send(QEvent::KeyRelease, Qt::Key_Escape);
  keys.forget(VirtualKey::Escape);
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
  send(QEvent::KeyPress, Qt::Key_Escape);
  keys.forget(VirtualKey::Escape);
  EXPECT_TRUE(keys.pressed(VirtualKey::Escape));
}

// As X11 reports a held key to Qt: each repeat a release and a press at the same time, marked
// as a repeat only now and then.
class PairedRepeatsTest : public ::testing::Test {
 protected:
  QWidget window;
  KeyStateFilter keys{KeyStateFilter::Repeats::PairedByTime};

  void SetUp() override {
    window.show();
    window.winId();
  }
  bool send(QEvent::Type type, int key, quint64 time, bool autoRepeat = false) {
    constexpr quint32 kScanCode = 113;
    QKeyEvent event(type, key, Qt::NoModifier, kScanCode, 0, 0, QString(), autoRepeat);
    event.setTimestamp(time);
    event.ignore();
    QCoreApplication::sendEvent(window.windowHandle(), &event);
    return event.isAccepted();
  }
};

TEST_F(PairedRepeatsTest, AKeyHeldThroughMarkedAndUnmarkedRepeatsStaysDownUntilItsRealRelease) {
  send(QEvent::KeyPress, Qt::Key_Left, 1000);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  for (quint64 time = 1660; time < 4000; time += 40) {
    const bool marked = time % 200 == 0;
    send(QEvent::KeyRelease, Qt::Key_Left, time, marked);
    send(QEvent::KeyPress, Qt::Key_Left, time, marked);
    EXPECT_TRUE(keys.pressed(VirtualKey::Left)) << time;
  }
  send(QEvent::KeyRelease, Qt::Key_Left, 4001);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
  // Pressed again a moment later, it is a new press.
  send(QEvent::KeyPress, Qt::Key_Left, 4013);
  send(QEvent::KeyRelease, Qt::Key_Left, 4020);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
}

TEST_F(PairedRepeatsTest, UnmarkedRepeatsOfAKeyAWindowUsedAreNoNewPress) {
  QMenu menu(&window);
  menu.addAction("1x");
  menu.popup(QPoint());
  send(QEvent::KeyPress, Qt::Key_Escape, 1000);
  menu.close();
  for (quint64 time = 1660; time < 2000; time += 40) {
    send(QEvent::KeyRelease, Qt::Key_Escape, time);
    send(QEvent::KeyPress, Qt::Key_Escape, time);
  }
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
}

TEST_F(PairedRepeatsTest, AControlHearsUnmarkedRepeatsAsRepeatsAndTheRealReleaseLast) {
  auto* box = new QCheckBox("Crates", &window);
  box->show();
  box->setFocus();
  send(QEvent::KeyPress, Qt::Key_Space, 1000);
  for (quint64 time = 1660; time < 2000; time += 40) {
    send(QEvent::KeyRelease, Qt::Key_Space, time);
    send(QEvent::KeyPress, Qt::Key_Space, time);
  }
  EXPECT_FALSE(box->isChecked());
  send(QEvent::KeyRelease, Qt::Key_Space, 2001);
  // The next key shows that no repeated press followed.
  send(QEvent::KeyPress, Qt::Key_Tab, 2100);
  EXPECT_TRUE(box->isChecked());
}

TEST_F(PairedRepeatsTest, AnUnmarkedRepeatIsNoShortcutsPress) {
  // Only a shortcut override that is accepted keeps the press from the window's shortcuts.
  EXPECT_FALSE(send(QEvent::ShortcutOverride, Qt::Key_F11, 1000));
  send(QEvent::KeyPress, Qt::Key_F11, 1000);
  send(QEvent::KeyRelease, Qt::Key_F11, 1660);
  EXPECT_TRUE(send(QEvent::ShortcutOverride, Qt::Key_F11, 1660));
  send(QEvent::KeyPress, Qt::Key_F11, 1660);
  send(QEvent::KeyRelease, Qt::Key_F11, 1700);
  EXPECT_FALSE(send(QEvent::ShortcutOverride, Qt::Key_F11, 1712));
}

}  // namespace
