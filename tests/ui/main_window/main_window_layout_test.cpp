#include <QTimer>

#include "tests/ui/main_window/main_window_fixture.h"
#include "tests/ui/wrapped_lines.h"
#include "ui/designed_window.h"

namespace {

using MainWindowLayout = MainWindowFixture;

TEST_F(MainWindowLayout, TheWindowAndThePlayfieldHaveTheirDesignedGeometry) {
  EXPECT_EQ(form->windowTitle(), "Zundabar");
  EXPECT_FALSE(form->windowIcon().isNull());
  EXPECT_EQ(form->geometry(), toQRect(mainWindowDesign().clientPixels()));
  PlayfieldWidget* field = form->playfield();
  EXPECT_EQ(field->geometry(), toQRect(playfieldPixels()));
  const QRect inner = toQRect(playfieldInnerPixels()).translated(-field->pos());
  EXPECT_EQ(field->contentsRect(), inner);
  EXPECT_EQ(field->inner()->geometry(), inner);
  EXPECT_EQ(field->frameShadow(), QFrame::Sunken);
}

TEST_F(MainWindowLayout, TheBannerShowsItsPictureAtItsOwnSize) {
  EXPECT_EQ(find("creditBanner")->pixmap().size(), QSize(165, 28));
  EXPECT_EQ(find("creditBanner")->size(), QSize(165, 28));
}

TEST_F(MainWindowLayout, TheNumberLabelsUseTheLargeUnderlinedFont) {
  for (const char* name : {"level", "jumps", "score"}) {
    const QFont f = find(name)->font();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 13.5) << name;
    EXPECT_TRUE(f.underline()) << name;
    EXPECT_FALSE(f.bold()) << name;
  }
  EXPECT_DOUBLE_EQ(find("jumpsCaption")->font().pointSizeF(), 8.0);
}

TEST_F(MainWindowLayout, TheStartPromptBreaksAfterOptions) {
  const QStringList lines = wrappedLines(find("startPrompt"));
  EXPECT_EQ(lines,
            (QStringList{"Press 'F1' for configuration options.", "Press 'Space' to begin game"}));
}

TEST_F(MainWindowLayout, EveryFixedCaptionFitsItsLabel) {
  for (const char* name :
       {"startPrompt", "jumpsCaption", "levelCaption", "scoreCaption", "jumps"}) {
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

TEST_F(MainWindowLayout, OnlyTheListenerRunsAtStart) {
  EXPECT_FALSE(form->timer(TimerId::Tick).isActive());
  EXPECT_EQ(form->timer(TimerId::Tick).interval(), 60);
  EXPECT_TRUE(form->timer(TimerId::Listener).isActive());
  EXPECT_EQ(form->timer(TimerId::Listener).interval(), 100);
  EXPECT_FALSE(form->timer(TimerId::MusicReplay).isActive());
  EXPECT_EQ(form->timer(TimerId::MusicReplay).interval(), 21500);
  EXPECT_EQ(form->timer(TimerId::Tick).timerType(), Qt::PreciseTimer);
}

TEST_F(MainWindowLayout, TheFirstSetupColoursTheLabelsIntoTheLandscape) {
  const QColor sky(0, 153, 255), grass(0, 255, 102);
  EXPECT_EQ(find("startPrompt")->palette().color(QPalette::Window), sky);
  EXPECT_EQ(find("startPrompt")->palette().color(QPalette::WindowText), QColor(Qt::black));
  for (const char* name : {"jumpsCaption", "level", "jumps"})
    EXPECT_EQ(find(name)->palette().color(QPalette::Window), grass) << name;
  EXPECT_EQ(find("levelCaption")->palette().color(QPalette::Window), QColor(0, 255, 0));
  for (const char* name :
       {"startPrompt", "jumpsCaption", "levelCaption", "level", "jumps", "score"})
    EXPECT_TRUE(find(name)->autoFillBackground()) << name;
}

TEST_F(MainWindowLayout, TheNumberLabelsGrowWithLongCaptionsAndShrinkBack) {
  form->setCaption(LabelId::Score, "32767");
  form->setCaption(LabelId::Level, "123");
  EXPECT_GE(find("level")->width(), find("level")->fontMetrics().horizontalAdvance("123"));
  form->setCaption(LabelId::Level, "1");
  EXPECT_EQ(find("level")->width(), 10);
  EXPECT_EQ(find("score")->width(), 101);
}

}  // namespace
