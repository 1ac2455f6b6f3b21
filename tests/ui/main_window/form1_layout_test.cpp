#include <QTimer>

#include "tests/ui/main_window/form1_fixture.h"
#include "tests/ui/wrapped_lines.h"

namespace {

using Form1Layout = Form1Fixture;

TEST_F(Form1Layout, TheWindowAndThePlayfieldHaveTheirDesignedGeometry) {
  EXPECT_EQ(form->windowTitle(), "Zundabar");
  EXPECT_FALSE(form->windowIcon().isNull());
  EXPECT_EQ(form->geometry(), QRect(24, 40, 492, 498));
  PlayfieldWidget* field = form->playfield();
  EXPECT_EQ(field->geometry(), QRect(7, 7, 476, 450));
  EXPECT_EQ(field->contentsRect(), QRect(2, 2, 472, 446));
  EXPECT_EQ(field->inner()->geometry(), QRect(2, 2, 472, 446));
  EXPECT_EQ(field->frameShadow(), QFrame::Sunken);
}

TEST_F(Form1Layout, EveryControlSitsInItsContainerAtItsPlaceWithItsCaption) {
  struct Expected {
    const char* name;
    QWidget* container;
    QRect geometry;
    QString caption;
  };
  QWidget* inner = form->playfield()->inner();
  const Expected controls[] = {
      {"Label3", inner, {389, 426, 29, 15}, "Level:"},
      {"lblLevel", inner, {434, 419, 10, 24}, "1"},
      {"lblJump", inner, {224, 419, 56, 24}, "5"},
      {"Label2", inner, {7, 427, 207, 13}, "SuperHappyUltraHyperMegaMonkeyJumps:"},
      {"Label1",
       inner,
       {162, 105, 169, 29},
       "Press 'F1' for configuration options.       Press 'Space' to begin game"},
      {"Label4", form.get(), {343, 465, 31, 13}, "Score:"},
      {"lblScore", form.get(), {385, 467, 101, 24}, "0"},
      {"Image1", form.get(), {164, 465, 165, 28}, ""},
      {"imgU", inner, {224, 147, 32, 32}, ""},
      {"imgD", inner, {217, 196, 32, 32}, ""},
      {"imgCloud", inner, {42, 28, 117, 54}, ""},
      {"imgCrate", inner, {343, 42, 16, 16}, ""},
  };
  for (const Expected& e : controls) {
    QLabel* l = find(e.name);
    ASSERT_NE(l, nullptr) << e.name;
    EXPECT_EQ(l->parentWidget(), e.container) << e.name;
    EXPECT_EQ(l->geometry(), e.geometry) << e.name;
    EXPECT_EQ(l->text(), e.caption) << e.name;
  }
  for (const char* holder : {"imgU", "imgD", "imgCloud", "imgCrate"})
    EXPECT_TRUE(find(holder)->isHidden()) << holder;
  EXPECT_EQ(find("Image1")->pixmap().size(), QSize(165, 28));
}

TEST_F(Form1Layout, TheNumberLabelsUseTheLargeUnderlinedFont) {
  for (const char* name : {"lblLevel", "lblJump", "lblScore"}) {
    const QFont f = find(name)->font();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 13.5) << name;
    EXPECT_TRUE(f.underline()) << name;
    EXPECT_FALSE(f.bold()) << name;
  }
  EXPECT_DOUBLE_EQ(find("Label2")->font().pointSizeF(), 8.0);
}

TEST_F(Form1Layout, TheStartPromptBreaksAfterOptions) {
  const QStringList lines = wrappedLines(find("Label1"));
  EXPECT_EQ(lines,
            (QStringList{"Press 'F1' for configuration options.", "Press 'Space' to begin game"}));
}

TEST_F(Form1Layout, EveryFixedCaptionFitsItsLabel) {
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "lblJump"}) {
    QLabel* l = find(name);
    const QFontMetrics metrics(l->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text());
    EXPECT_LE(needed.width(), l->width()) << name;
    // The ink of the last line, descenders included, lies inside the label.
    const int lines = needed.height() / metrics.lineSpacing();
    const int inkBottom = (lines - 1) * metrics.lineSpacing() + metrics.ascent() +
                          metrics.tightBoundingRect(l->text()).bottom();
    EXPECT_LE(inkBottom, l->height()) << name;
  }
}

TEST_F(Form1Layout, OnlyTheListenerRunsAtStart) {
  EXPECT_FALSE(form->timer(TimerId::Timer1).isActive());
  EXPECT_EQ(form->timer(TimerId::Timer1).interval(), 60);
  EXPECT_TRUE(form->timer(TimerId::tmrListen).isActive());
  EXPECT_EQ(form->timer(TimerId::tmrListen).interval(), 100);
  EXPECT_FALSE(form->timer(TimerId::tmrMusic).isActive());
  EXPECT_EQ(form->timer(TimerId::tmrMusic).interval(), 21500);
  EXPECT_EQ(form->timer(TimerId::Timer1).timerType(), Qt::PreciseTimer);
}

TEST_F(Form1Layout, TheFirstSetupColoursTheLabelsIntoTheLandscape) {
  const QColor sky(0, 153, 255), grass(0, 255, 102);
  EXPECT_EQ(find("Label1")->palette().color(QPalette::Window), sky);
  EXPECT_EQ(find("Label1")->palette().color(QPalette::WindowText), QColor(Qt::black));
  for (const char* name : {"Label2", "lblLevel", "lblJump"})
    EXPECT_EQ(find(name)->palette().color(QPalette::Window), grass) << name;
  EXPECT_EQ(find("Label3")->palette().color(QPalette::Window), QColor(0, 255, 0));
  for (const char* name : {"Label1", "Label2", "Label3", "lblLevel", "lblJump", "lblScore"})
    EXPECT_TRUE(find(name)->autoFillBackground()) << name;
}

TEST_F(Form1Layout, TheNumberLabelsGrowWithLongCaptionsAndShrinkBack) {
  form->setCaption(LabelId::lblScore, "32767");
  form->setCaption(LabelId::lblLevel, "123");
  EXPECT_GE(find("lblLevel")->width(), find("lblLevel")->fontMetrics().horizontalAdvance("123"));
  form->setCaption(LabelId::lblLevel, "1");
  EXPECT_EQ(find("lblLevel")->width(), 10);
  EXPECT_EQ(find("lblScore")->width(), 101);
}

}  // namespace
