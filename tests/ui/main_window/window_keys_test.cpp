#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "tests/fakes/fake_ports.h"
#include "ui/main_window/display_modes.h"
#include "ui/main_window/key_state_filter.h"
#include "ui/main_window/main_window.h"
#include "ui/options_window/options_window.h"

namespace {

// The real key filter on the real windows, keys typed as the platform delivers them.
class WindowKeys : public ::testing::Test {
 protected:
  KeyStateFilter keys;
  FakeStore store;
  FakeWavePlayer player;
  ScriptedRandom random;
  std::unique_ptr<MainWindow> form;

  void SetUp() override {
    random.values = {0.5f, 0.5f, 0.25f, 0.5f, 0.99999994f, 0.1f, 0.9f, 0.01f};
    form = std::make_unique<MainWindow>(keys, store, player, random);
    form->start();
  }
  void TearDown() override {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
  static void type(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
  }
  bool on(TimerId id) { return form->timer(id).isActive(); }
};

TEST_F(WindowKeys, ASpaceThatPressedResumeGameIsNotLeftForTheNextPause) {
  type(form.get(), Qt::Key_Space);
  form->playControl().pollStartKeys();
  ASSERT_TRUE(on(TimerId::Tick));
  form->showOptions();
  OptionsWindow* options = form->optionsWindow();
  options->resumeButton->setFocus();
  type(options, Qt::Key_Space);
  ASSERT_FALSE(options->isVisible());
  ASSERT_TRUE(on(TimerId::Tick));
  type(form.get(), Qt::Key_Backspace);
  form->playTick();
  ASSERT_FALSE(on(TimerId::Tick));
  // The listener's poll finds no Space of the button's: the game stays paused.
  form->playControl().pollStartKeys();
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));
}

TEST_F(WindowKeys, AKeyAWindowUsesNeverCountsForTheGameEvenWhileHeld) {
  QWidget window;
  auto* button = new QPushButton("Close", &window);
  window.show();
  button->setFocus();
  // A window that closes itself on Escape, as a newcomer might write it.
  struct EscapeCloses : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() != QEvent::KeyPress) return false;
      auto* key = static_cast<QKeyEvent*>(e);
      if (key->key() != Qt::Key_Escape) return false;
      key->accept();
      return true;
    }
  } closes;
  window.installEventFilter(&closes);
  QTest::keyPress(window.windowHandle(), Qt::Key_Escape);
  QTest::keyPress(window.windowHandle(), Qt::Key_Space);
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  // A key nothing there uses is still the game's.
  QTest::keyPress(window.windowHandle(), Qt::Key_Backspace);
  EXPECT_TRUE(keys.pressed(VirtualKey::Backspace));
  QTest::keyRelease(window.windowHandle(), Qt::Key_Escape);
  QTest::keyRelease(window.windowHandle(), Qt::Key_Space);
  QTest::keyRelease(window.windowHandle(), Qt::Key_Backspace);
}

TEST_F(WindowKeys, TheFullScreenKeyActsOncePerPressAndNeverReachesTheMessageBox) {
  QTemporaryDir dir;
  DisplayModes modes(*form, DisplayFile(dir.filePath("display.conf")));
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyPress(form->windowHandle(), Qt::Key_F11);
  ASSERT_TRUE(form->isFullScreenPicture());
  // The key held down: the platform repeats the press, through the shortcuts like the first.
  for (int repeat = 0; repeat < 5; ++repeat) {
    QTest::simulateEvent(form->windowHandle(), true, Qt::Key_F11, Qt::NoModifier, QString(), true);
  }
  QTest::keyRelease(form->windowHandle(), Qt::Key_F11);
  EXPECT_TRUE(form->isFullScreenPicture());

  bool stillOpen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box->windowHandle(), Qt::Key_Return, Qt::AltModifier);
    QTest::keyClick(box->windowHandle(), Qt::Key_F11);
    stillOpen = box->isVisible();
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
  });
  form->showMessage("Zundabar", "Winner! Press 'Enter' for round 2. Score: 105");
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(form->isFullScreenPicture());
}

}  // namespace
