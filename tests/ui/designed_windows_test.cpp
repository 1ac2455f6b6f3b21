#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QTextLayout>
#include <memory>
#include <set>

#include "design/about_window_design.h"
#include "design/caption_fit.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/about_window/about_window.h"
#include "ui/designed_window.h"
#include "ui/game_font.h"
#include "ui/main_window/main_window.h"
#include "ui/options_window/options_window.h"

namespace {

// Every control of a built window against its design: kind, container, place, text, font,
// colours, tooltip, and the keyboard order with the first focus.
void expectBuiltAsDesigned(const QWidget* window, const WindowDesign& design,
                           const std::set<std::string>& changedAtLoad) {
  ASSERT_EQ(window->objectName().toStdString(), design.name);
  EXPECT_EQ(window->windowTitle().toStdString(), design.caption);
  EXPECT_EQ(window->size(), toQRect(design.clientPixels()).size()) << design.name;
  for (const ControlDesign& c : design.controls) {
    const QWidget* w = designedControl(window, c);
    ASSERT_NE(w, nullptr) << c.name;
    const PixelRect place = placeInWindow(design, c, 1);
    EXPECT_EQ(QRect(w->mapTo(window, QPoint()), w->size()), toQRect(place)) << c.name;
    if (c.kind == ControlKind::Playfield) continue;
    const QWidget* container = w->parentWidget();
    if (!c.container.empty()) container = container->parentWidget();
    EXPECT_EQ(container->objectName().toStdString(),
              c.container.empty() ? design.name : c.container)
        << c.name;
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (!changedAtLoad.count(c.name)) {
      if (c.kind == ControlKind::Label) {
        EXPECT_EQ(label->text().toStdString(), c.caption) << c.name;
      }
      if (button) {
        EXPECT_EQ(button->text().toStdString(), c.caption) << c.name;
      }
      if (c.backColour) {
        const Rgb b = *c.backColour;
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(b.red, b.green, b.blue)) << c.name;
      }
    }
    if (c.kind == ControlKind::Picture) {
      EXPECT_EQ(label->pixmap().size(), w->size()) << c.name;
    }
    if (label && c.kind == ControlKind::Label) {
      EXPECT_EQ(label->wordWrap(), c.wraps) << c.name;
    }
    EXPECT_EQ(w->font(), designedFont(c.font)) << c.name;
    if (!changedAtLoad.count(c.name)) {
      EXPECT_EQ(w->toolTip().toStdString(), c.tooltip) << c.name;
    }
    EXPECT_EQ(w->cursor().shape(), c.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor)
        << c.name;
  }
  const std::vector<const ControlDesign*> order = design.tabOrder();
  for (size_t i = 1; i < order.size(); ++i) {
    const QWidget* before = designedControl(window, *order[i - 1]);
    QWidget* next = before->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    EXPECT_EQ(next->objectName().toStdString(), order[i]->name) << "after " << order[i - 1]->name;
  }
}

using DesignedWindows = MainWindowFixture;

TEST_F(DesignedWindows, AreBuiltControlByControlAsDesigned) {
  // The level setup before the first showing writes the numbers and the labels' colours.
  expectBuiltAsDesigned(form.get(), mainWindowDesign(),
                        {"level", "jumps", "jumpsCaption", "startPrompt"});
  EXPECT_EQ(form->playfield()->frameShadow(), QFrame::Sunken);
  for (const TimerDesign& t : mainWindowDesign().timers) {
    EXPECT_EQ(form->timer(t.id).interval(), t.intervalMs) << t.name;
    EXPECT_EQ(form->timer(t.id).objectName().toStdString(), t.name);
    EXPECT_EQ(form->timer(t.id).isActive(), t.initiallyOn) << t.name;
  }
  form->showOptions();
  expectBuiltAsDesigned(form->optionsWindow(), optionsWindowDesign(),
                        {"progressionValue", "jumpValue"});
  EXPECT_EQ(form->optionsWindow()->focusWidget()->objectName().toStdString(),
            optionsWindowDesign().firstFocus);
  form->showAbout();
  // The location's tooltip names where this platform keeps the options.
  expectBuiltAsDesigned(form->aboutWindow(), aboutWindowDesign(), {"optionsLocation"});
  EXPECT_EQ(form->aboutWindow()->focusWidget()->objectName().toStdString(),
            aboutWindowDesign().firstFocus);
}

// Every designed caption in the fonts the windows have here, the embedded stand-in among them,
// at 96 dpi and measured by Qt's own text layout: no line wider than its box, and every line
// inside it down to its baseline.
TEST_F(DesignedWindows, TheFallbackShowsEveryDesignedCaptionWhole) {
  EXPECT_EQ(QFontInfo(designedFont(FontRole::Default)).family(), "Roboto Condensed");
  form->showOptions();
  form->showAbout();
  const std::vector<const QWidget*> windows{form.get(), form->optionsWindow(), form->aboutWindow()};
  for (FontRole role : {FontRole::Default, FontRole::Location}) {
    for (const ControlDesign* c : captionsDrawnIn(role)) {
      const QWidget* w = nullptr;
      for (const QWidget* window : windows) {
        if (!w) w = designedControl(window, *c);
      }
      ASSERT_NE(w, nullptr) << c->name;
      const QFontMetrics metrics(w->font());
      QTextLayout layout(QString::fromStdString(c->caption), w->font());
      QTextOption option;
      option.setWrapMode(c->wraps ? QTextOption::WordWrap : QTextOption::NoWrap);
      layout.setTextOption(option);
      layout.beginLayout();
      int lines = 0;
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(w->width());
        EXPECT_LE(line.naturalTextWidth(), w->width()) << c->name;
        ++lines;
      }
      layout.endLayout();
      EXPECT_LE((lines - 1) * metrics.lineSpacing() + metrics.ascent(), w->height()) << c->name;
    }
  }
}

}  // namespace
