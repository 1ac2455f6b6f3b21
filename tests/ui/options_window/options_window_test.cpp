#include "ui/options_window/options_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyleOptionButton>
#include <QtTest/QTest>
#include <memory>

#include "design/options_window_design.h"
#include "tests/fakes/fake_ports.h"
#include "tests/ui/wrapped_lines.h"
#include "ui/designed_window.h"
#include "ui/main_window/main_window.h"
#include "ui/stores/platform_store.h"

namespace {

// The options window on a real main window, with the options in a real settings file.
class OptionsWindowTest : public ::testing::Test {
 protected:
  FakeKeys keys;
  std::unique_ptr<SettingsStore> platformStore = makePlatformStore();
  SettingsStore& store = *platformStore;
  FakeWavePlayer player;
  ScriptedRandom random;
  std::unique_ptr<MainWindow> form;

  void SetUp() override {
    QFile::remove(platformStoreLocation());
    QDir().mkpath(QFileInfo(platformStoreLocation()).path());
  }
  void TearDown() override { QFile::remove(platformStoreLocation()); }

  void writeSettings(const QByteArray& text) {
    QFile f(platformStoreLocation());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\n" + text);
  }
  QByteArray settingsFile() {
    QFile f(platformStoreLocation());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void startGame() {
    random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};
    form = std::make_unique<MainWindow>(keys, store, player, random);
    form->start();
  }
  OptionsWindow* open() {
    form->showOptions();
    return form->optionsWindow();
  }
  template <typename T>
  T* child(OptionsWindow* w, const char* name) {
    return w->findChild<T*>(name);
  }
};

TEST_F(OptionsWindowTest, HasItsDesignedGeometryCaptionsAndTabOrder) {
  startGame();
  OptionsWindow* w = open();
  EXPECT_EQ(w->windowTitle(), "Configuration Options");
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_EQ(w->geometry(), toQRect(optionsWindowDesign().clientPixels()));
  // The value labels show the loaded values.
  EXPECT_EQ(w->progressionValue->text(), "2");
  EXPECT_EQ(w->jumpValue->text(), "3");
  QStringList order;
  QWidget* first = w->setProgressionButton;
  QWidget* next = first;
  do {
    if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
    next = next->nextInFocusChain();
  } while (next != first);
  QStringList designed;
  for (const ControlDesign* c : optionsWindowDesign().tabOrder()) {
    designed << QString::fromStdString(c->name);
  }
  EXPECT_EQ(order, designed);
  EXPECT_EQ(w->focusWidget(), w->setProgressionButton);
}

TEST_F(OptionsWindowTest, TheCheckBoxesShowNoCaptionAndTheMusicLabelBreaksAfterItsName) {
  startGame();
  OptionsWindow* w = open();
  QStyleOptionButton option;
  option.initFrom(w->cratesBox);
  option.text = w->cratesBox->text();
  const QRect text =
      w->cratesBox->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w->cratesBox);
  EXPECT_GE(text.left(), w->cratesBox->width() - 1);

  const QStringList lines = wrappedLines(child<QLabel>(w, "musicCaption"));
  EXPECT_EQ(lines, (QStringList{"Background music", "(takes effect after one song):"}));
}

TEST_F(OptionsWindowTest, SlidersStepByOneAndByPagesOfTwoAndStopAtTheirEnds) {
  startGame();
  QSlider* s = open()->jumpSlider;
  EXPECT_EQ(s->minimum(), 1);
  EXPECT_EQ(s->maximum(), 10);
  EXPECT_EQ(s->tickPosition(), QSlider::TicksBelow);
  EXPECT_EQ(s->tickInterval(), 1);
  for (int i = 0; i < 15; ++i) QTest::keyClick(s, Qt::Key_Right);
  EXPECT_EQ(s->value(), 10);
  s->setValue(9);
  QTest::keyClick(s, Qt::Key_PageUp);
  EXPECT_EQ(s->value(), 10);
  s->setValue(2);
  QTest::keyClick(s, Qt::Key_PageDown);
  EXPECT_EQ(s->value(), 1);
  QTest::keyClick(s, Qt::Key_Left);
  EXPECT_EQ(s->value(), 1);
  // A click in the groove pages towards it, and stops at the end.
  s->setValue(5);
  QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
  EXPECT_EQ(s->value(), 7);
  s->setValue(9);
  QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
  EXPECT_EQ(s->value(), 10);
  s->setValue(2);
  QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(2, s->height() / 2));
  EXPECT_EQ(s->value(), 1);
  EXPECT_EQ(open()->jumpValue->text(), "1");
}

TEST_F(OptionsWindowTest, LoadingTicksTheBoxesUnlessTheStoreHoldsExactlyFalse) {
  struct Case {
    QByteArray file;
    bool crates, music;
  };
  const Case cases[] = {{"Crates=False\nMusic=False\n", false, false},
                        {"Crates=false\nMusic=FALSE\n", true, true},
                        {"Crates=\nMusic=\n", true, true},
                        {"", true, true}};
  for (const Case& c : cases) {
    writeSettings(c.file);
    startGame();
    OptionsWindow* w = open();
    EXPECT_EQ(w->cratesBox->isChecked(), c.crates) << c.file.toStdString();
    EXPECT_EQ(w->musicBox->isChecked(), c.music) << c.file.toStdString();
    form.reset();
  }
}

TEST_F(OptionsWindowTest, TheSetButtonsChangeTheRunningGameAndWriteTheSettingsFile) {
  startGame();
  OptionsWindow* w = open();
  w->progressionSlider->setValue(10);
  w->jumpSlider->setValue(7);
  w->cratesBox->setChecked(false);
  QTest::mouseClick(w->setProgressionButton, Qt::LeftButton);
  QTest::mouseClick(w->setJumpButton, Qt::LeftButton);
  QTest::mouseClick(w->setCratesButton, Qt::LeftButton);
  EXPECT_EQ(form->game().progression(), 10);
  EXPECT_EQ(form->game().jumpSpeed(), 7);
  EXPECT_EQ(form->game().noCrates(), kTrue);
  const QByteArray file = settingsFile();
  EXPECT_TRUE(file.contains("Progression=10")) << file.toStdString();
  EXPECT_TRUE(file.contains("Jump=7")) << file.toStdString();
  EXPECT_TRUE(file.contains("Crates=False")) << file.toStdString();
  // The next program start opens the window with the box clear.
  form.reset();
  startGame();
  EXPECT_FALSE(open()->cratesBox->isChecked());
  EXPECT_EQ(form->game().progression(), 10);
}

TEST_F(OptionsWindowTest, MusicSetAfterFalsePlaysLaterStartsTheReplayAndStoresTrue) {
  writeSettings("Music=False\n");
  startGame();
  OptionsWindow* w = open();
  w->musicBox->setChecked(true);
  QTest::mouseClick(w->setMusicButton, Qt::LeftButton);
  EXPECT_TRUE(player.played.empty());
  EXPECT_TRUE(form->timer(TimerId::MusicReplay).isActive());
  EXPECT_TRUE(settingsFile().contains("Music=True"));
}

TEST_F(OptionsWindowTest, AnUnappliedChoiceSurvivesResumeAndAnyOtherCloseResumesAndReloads) {
  startGame();
  OptionsWindow* w = open();
  w->jumpSlider->setValue(9);
  QTest::mouseClick(w->resumeButton, Qt::LeftButton);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(form->timer(TimerId::Tick).isActive());
  EXPECT_FALSE(form->timer(TimerId::Listener).isActive());
  EXPECT_TRUE(form->label(LabelId::StartPrompt)->isHidden());
  EXPECT_EQ(form->game().jumpSpeed(), 3);

  form->setTimer(TimerId::Tick, false);
  EXPECT_EQ(open(), w);
  EXPECT_EQ(w->jumpSlider->value(), 9);
  EXPECT_EQ(w->jumpValue->text(), "9");

  // Closed as by the window manager: play goes on as after Resume Game.
  form->setLabelVisible(LabelId::StartPrompt, true);
  form->setTimer(TimerId::Listener, true);
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form->optionsWindow(), nullptr);
  EXPECT_TRUE(form->timer(TimerId::Tick).isActive());
  EXPECT_FALSE(form->timer(TimerId::Listener).isActive());
  EXPECT_TRUE(form->label(LabelId::StartPrompt)->isHidden());
  EXPECT_EQ(open()->jumpSlider->value(), 3);
}

TEST_F(OptionsWindowTest, EnterPressesTheFocusedButtonAndTheMainWindowTakesTheKeyboardBack) {
  startGame();
  form->show();
  OptionsWindow* w = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  w->jumpSlider->setValue(9);
  w->setJumpButton->setFocus();
  QTest::keyClick(w->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(form->game().jumpSpeed(), 9);
  EXPECT_EQ(form->game().progression(), 2);  // no other button was pressed
  w->resumeButton->setFocus();
  QTest::keyClick(w->windowHandle(), Qt::Key_Return, Qt::AltModifier);  // not with Alt
  EXPECT_TRUE(w->isVisible());
  QTest::keyClick(w->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_EQ(QApplication::focusWidget(), form->playfield());
}

}  // namespace
