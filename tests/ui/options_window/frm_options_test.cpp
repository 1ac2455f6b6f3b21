#include "ui/options_window/frm_options.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyleOptionButton>
#include <QtTest/QTest>
#include <memory>

#include "settings/qsettings_store.h"
#include "tests/fakes/fake_ports.h"
#include "tests/ui/wrapped_lines.h"
#include "ui/main_window/form1.h"

namespace {

// The options window on a real main window, with the options in a real settings file.
class OptionsWindow : public ::testing::Test {
 protected:
  FakeKeys keys;
  QSettingsStore store;
  FakeWavePlayer player;
  ScriptedRandom random;
  std::unique_ptr<Form1> form;

  void SetUp() override {
    QFile::remove(QSettingsStore::location());
    QDir().mkpath(QFileInfo(QSettingsStore::location()).path());
  }
  void TearDown() override { QFile::remove(QSettingsStore::location()); }

  void writeSettings(const QByteArray& text) {
    QFile f(QSettingsStore::location());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\n" + text);
  }
  QByteArray settingsFile() {
    QFile f(QSettingsStore::location());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void startGame() {
    random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};
    form = std::make_unique<Form1>(keys, store, player, random);
  }
  frmOptions* open() {
    form->showOptions();
    return form->optionsWindow();
  }
  template <typename T>
  T* child(frmOptions* w, const char* name) {
    return w->findChild<T*>(name);
  }
};

TEST_F(OptionsWindow, HasItsDesignedGeometryCaptionsAndTabOrder) {
  startGame();
  frmOptions* w = open();
  EXPECT_EQ(w->windowTitle(), "Configuration Options");
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_EQ(w->geometry(), QRect(291, 248, 351, 276));
  struct Expected {
    const char* name;
    QRect geometry;
    QString caption;
  };
  const Expected controls[] = {
      {"cmdMusic", {140, 196, 57, 22}, "Set"},
      {"cmdCrate", {140, 133, 57, 22}, "Set"},
      {"cmdJump", {140, 84, 57, 22}, "Set"},
      {"cmdResume", {122, 231, 106, 36}, "Resume Game"},
      {"cmdProgression", {140, 35, 57, 22}, "Set"},
      {"chkMusic", {182, 168, 15, 15}, ""},
      {"chkCrate", {182, 112, 15, 15}, "Check1"},
      {"sldProgression", {182, 14, 148, 15}, ""},
      {"sldJump", {182, 63, 148, 15}, ""},
      {"Label4",
       {14, 161, 148, 29},
       "Background music                        (takes effect after one song):"},
      {"Label3", {14, 112, 155, 15}, "Crates appear (five jumps each):"},
      {"lblProgression", {203, 39, 29, 15}, "2"},
      {"lblJump", {203, 88, 29, 15}, "3"},
      {"Label2", {14, 63, 141, 15}, "Jump height (higher is easier):"},
      {"Label1", {14, 14, 162, 15}, "Skill progression (higher is harder):"},
  };
  for (const Expected& e : controls) {
    QWidget* c = w->findChild<QWidget*>(e.name);
    ASSERT_NE(c, nullptr) << e.name;
    EXPECT_EQ(c->geometry(), e.geometry) << e.name;
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      EXPECT_EQ(b->text(), e.caption) << e.name;
    }
    if (auto* l = qobject_cast<QLabel*>(c)) {
      EXPECT_EQ(l->text(), e.caption) << e.name;
    }
  }
  QStringList order;
  QWidget* first = w->cmdProgression;
  QWidget* next = first;
  do {
    if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
    next = next->nextInFocusChain();
  } while (next != first);
  EXPECT_EQ(order, (QStringList{"cmdProgression", "cmdResume", "sldProgression", "cmdJump",
                                "sldJump", "chkCrate", "cmdCrate", "chkMusic", "cmdMusic"}));
  EXPECT_EQ(w->focusWidget(), w->cmdProgression);
}

TEST_F(OptionsWindow, TheCheckBoxesShowNoCaptionAndTheMusicLabelBreaksAfterItsName) {
  startGame();
  frmOptions* w = open();
  QStyleOptionButton option;
  option.initFrom(w->chkCrate);
  option.text = w->chkCrate->text();
  const QRect text =
      w->chkCrate->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w->chkCrate);
  EXPECT_GE(text.left(), w->chkCrate->width() - 1);

  const QStringList lines = wrappedLines(child<QLabel>(w, "Label4"));
  EXPECT_EQ(lines, (QStringList{"Background music", "(takes effect after one song):"}));
}

TEST_F(OptionsWindow, SlidersStepByOneAndByPagesOfTwoAndStopAtTheirEnds) {
  startGame();
  QSlider* s = open()->sldJump;
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
  EXPECT_EQ(open()->lblJump->text(), "1");
}

TEST_F(OptionsWindow, LoadingTicksTheBoxesUnlessTheStoreHoldsExactlyFalse) {
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
    frmOptions* w = open();
    EXPECT_EQ(w->chkCrate->isChecked(), c.crates) << c.file.toStdString();
    EXPECT_EQ(w->chkMusic->isChecked(), c.music) << c.file.toStdString();
    form.reset();
  }
}

TEST_F(OptionsWindow, TheSetButtonsChangeTheRunningGameAndWriteTheSettingsFile) {
  startGame();
  frmOptions* w = open();
  w->sldProgression->setValue(10);
  w->sldJump->setValue(7);
  w->chkCrate->setChecked(false);
  QTest::mouseClick(w->cmdProgression, Qt::LeftButton);
  QTest::mouseClick(w->cmdJump, Qt::LeftButton);
  QTest::mouseClick(w->cmdCrate, Qt::LeftButton);
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
  EXPECT_FALSE(open()->chkCrate->isChecked());
  EXPECT_EQ(form->game().progression(), 10);
}

TEST_F(OptionsWindow, MusicSetAfterFalsePlaysLaterStartsTheReplayAndStoresTrue) {
  writeSettings("Music=False\n");
  startGame();
  frmOptions* w = open();
  w->chkMusic->setChecked(true);
  QTest::mouseClick(w->cmdMusic, Qt::LeftButton);
  EXPECT_TRUE(player.played.empty());
  EXPECT_TRUE(form->timer(TimerId::tmrMusic).isActive());
  EXPECT_TRUE(settingsFile().contains("Music=True"));
}

TEST_F(OptionsWindow, AnUnappliedChoiceSurvivesResumeAndATitleBarCloseReloads) {
  startGame();
  frmOptions* w = open();
  w->sldJump->setValue(9);
  QTest::mouseClick(w->cmdResume, Qt::LeftButton);
  EXPECT_TRUE(w->isHidden());
  EXPECT_TRUE(form->timer(TimerId::Timer1).isActive());
  EXPECT_FALSE(form->timer(TimerId::tmrListen).isActive());
  EXPECT_TRUE(form->label(LabelId::Label1)->isHidden());
  EXPECT_EQ(form->game().jumpSpeed(), 3);

  form->setTimer(TimerId::Timer1, false);
  EXPECT_EQ(open(), w);
  EXPECT_EQ(w->sldJump->value(), 9);
  EXPECT_EQ(w->lblJump->text(), "9");

  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form->optionsWindow(), nullptr);
  EXPECT_FALSE(form->timer(TimerId::Timer1).isActive());
  EXPECT_EQ(open()->sldJump->value(), 3);
}

}  // namespace
