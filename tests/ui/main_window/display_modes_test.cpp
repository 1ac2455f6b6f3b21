#include "ui/main_window/display_modes.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "tests/ui/main_window/main_window_fixture.h"

namespace {

// The offscreen screen is 800 x 600: the window fits there at 1x only.
class DisplayModesTest : public MainWindowFixture {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath("display.conf");

  QByteArray remembered(const QByteArray& text = {}) {
    QFile file(path);
    if (!text.isEmpty() && file.open(QIODevice::WriteOnly)) file.write(text);
    file.close();
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Right-clicks the playfield: each entry's text and whether it can be chosen.
  QStringList rightClick(DisplayModes& modes) {
    const QPoint at(100, 100);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->mapToGlobal(at));
    QApplication::sendEvent(form->playfield(), &click);
    QStringList entries;
    for (QAction* a : modes.menu()->actions())
      if (!a->isSeparator())
        entries << a->text().section('\t', 0, 0) + (a->isEnabled() ? "" : " (greyed)");
    modes.menu()->close();
    return entries;
  }
};

TEST_F(DisplayModesTest, TheRememberedChoiceComesBackWithAZoomThatStillFits) {
  remembered("[Display]\nZoom=3\nFullScreen=true\n");
  DisplayModes modes(*form, DisplayFile(path));
  modes.restore();
  EXPECT_TRUE(form->isFullScreenPicture());
  modes.apply(DisplayCommand::ToggleFullScreen);
  EXPECT_EQ(form->size(), QSize(492, 498));
  EXPECT_EQ(remembered(), "[Display]\nZoom=1\nFullScreen=false\n");
}

TEST_F(DisplayModesTest, ARightClickOffersTheFactorsThatFitAndFullScreenWithTheirKeys) {
  DisplayModes modes(*form, DisplayFile(path));
  form->show();
  const QPoint at(100, 100);
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->mapToGlobal(at));
  QApplication::sendEvent(form->playfield(), &click);
  EXPECT_TRUE(modes.menu()->isVisible());
  QStringList items;
  for (QAction* a : modes.menu()->actions())
    if (!a->isSeparator()) items << a->text() + " " + a->shortcut().toString();
  EXPECT_EQ(items, (QStringList{"Zoom in Ctrl++", "Zoom out Ctrl+-", "1x Ctrl+0",
                                "Full screen\tF11, Alt+Enter F11"}));
  modes.menu()->close();
}

// As on Windows, an entry that would change nothing is greyed, and its keys act again once the
// menu is gone.
TEST_F(DisplayModesTest, TheMenuGreysWhatWouldChangeNothingAndLeavesTheKeysWorking) {
  DisplayModes modes(*form, DisplayFile(path));
  form->show();
  EXPECT_EQ(rightClick(modes),
            (QStringList{"Zoom in (greyed)", "Zoom out (greyed)", "1x", "Full screen"}));
  for (const QAction* keys : form->actions()) EXPECT_TRUE(keys->isEnabled()) << keys->text().toStdString();
  // Full screen, each zoom entry brings the window back.
  modes.apply(DisplayCommand::ToggleFullScreen);
  EXPECT_EQ(rightClick(modes), (QStringList{"Zoom in", "Zoom out", "1x", "Full screen"}));
}

TEST_F(DisplayModesTest, AFileThatCannotBeReadOrWrittenIsToldAndPlayGoesOn) {
  remembered("[Display]\nZoom=lots\n");
  testing::internal::CaptureStderr();
  DisplayModes(*form, DisplayFile(path)).restore();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zundabar: the display settings in " + path.toStdString() +
                " cannot be read; the window opens at its own size\n");
  // Below a file no folder can be made.
  DisplayModes blocked(*form, DisplayFile(path + "/display.conf"));
  testing::internal::CaptureStderr();
  blocked.apply(DisplayCommand::ToggleFullScreen);
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(form->isFullScreenPicture());
  EXPECT_NE(told.find("zundabar: could not save the display settings to "), std::string::npos)
      << told;
  // Told once; a shown window's platform may add warnings of its own.
  size_t tellings = 0;
  for (size_t at = told.find("zundabar: "); at != std::string::npos;
       at = told.find("zundabar: ", at + 1)) {
    ++tellings;
  }
  EXPECT_EQ(tellings, 1u) << told;
}

}  // namespace
