#include "web/page_window.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "design/pad_focus.h"
#include "design/slider_settings.h"
#include "design/word_wrap.h"
#include "web/page.h"
#include "web/page_label.h"

namespace {

// The height of a title bar at 96 dots per inch.
constexpr int kTitleBarPx = 22;

int pageKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
      return 1;
    case ControlKind::CheckBox:
      return 2;
    case ControlKind::Slider:
      return 3;
    case ControlKind::Picture:
      return 4;
    case ControlKind::Label:
    case ControlKind::Playfield:
      break;
  }
  return 0;
}

// What names the control for keyboards and screen readers: its option's caption.
std::string labelledBy(const WindowDesign& design, const ControlDesign& control) {
  if (!control.option || control.optionRole == OptionRole::Caption) return {};
  const ControlDesign* caption = design.forOption(*control.option, OptionRole::Caption);
  return caption ? caption->name : std::string();
}

}  // namespace

PageWindow::PageWindow(int index, const WindowDesign& design, PagePictures& pictures,
                       PageFonts& fonts)
    : index_(index), design_(design), pictures_(pictures), fonts_(fonts) {
  pageWindowMake(index_, design_.caption.c_str());
  // The controls that take the focus come first, in the keyboard's order.
  std::vector<const ControlDesign*> order = design_.tabOrder();
  for (const ControlDesign& c : design_.controls) {
    if (!c.takesFocus()) order.push_back(&c);
  }
  for (const ControlDesign* c : order) {
    const std::string caption = c->kind == ControlKind::Picture ? std::string() : c->caption;
    pageControlMake(index_, indexOf(*c), pageKind(c->kind), caption.c_str(), c->name.c_str(),
                    labelledBy(design_, *c).c_str(), kOptionSlider.minimum, kOptionSlider.maximum);
    if (!c->tooltip.empty()) describe(*c, c->tooltip);
  }
}

PageWindow::~PageWindow() { pageWindowRemove(index_); }

double PageWindow::titleHeight(int scale, double devicePixelRatio) {
  return kTitleBarPx * scale / devicePixelRatio;
}

void PageWindow::place(double x, double y, int scale, double devicePixelRatio) {
  const double css = scale / devicePixelRatio;
  const PixelRect client = design_.clientPixels();
  const double title = titleHeight(scale, devicePixelRatio);
  pageWindowPlace(index_, x, y - title, client.width * css, client.height * css, title,
                  fonts_.cssFont(FontRole::Default, scale, devicePixelRatio).c_str());
  for (const ControlDesign& c : design_.controls) {
    const PixelRect r = c.pixels();
    const bool label = c.kind == ControlKind::Label;
    pageControlPlace(index_, indexOf(c), r.x * css, r.y * css, r.width * css, r.height * css,
                     fonts_.cssFont(c.font, scale, devicePixelRatio).c_str(),
                     label ? toPageColour(c.backColour.value_or(kButtonFace)) : -1,
                     label ? toPageColour(c.foreColour.value_or(kButtonText)) : -1,
                     c.wraps ? 1 : 0);
    // A slider's value label shows the value its window gives it.
    if (label && c.optionRole != OptionRole::ValueLabel) setText(c, brokenCaption(c, scale));
    if (c.kind == ControlKind::Picture) {
      pageControlPicture(index_, indexOf(c), pictures_.id(c.caption), r.width * css,
                         r.height * css);
    }
  }
}

std::string PageWindow::brokenCaption(const ControlDesign& c, int scale) {
  if (!c.wraps) return c.caption;
  // Broken where the game's labels break, measured on the canvas in the same font at the
  // device's resolution; the blanks in a line, leading ones too, stand as they are.
  const std::string& font = fonts_.canvasFont(c.font, scale);
  const std::string_view text = c.caption;
  const auto widthOf = [&](std::size_t start, std::size_t length) {
    return static_cast<int>(
        std::ceil(pageTextWidth(std::string(text.substr(start, length)).c_str(), font.c_str())));
  };
  std::string broken;
  for (const WrappedLine& line : wrapAtWords(text, c.pixels().width * scale, widthOf)) {
    if (!broken.empty()) broken += '\n';
    broken += text.substr(line.start, line.length);
  }
  return broken;
}

void PageWindow::show() {
  const int first = design_.firstFocus.empty() ? 0 : indexOf(design_.control(design_.firstFocus));
  pageWindowShow(index_, first);
}

void PageWindow::hide() { pageWindowHide(index_); }

int PageWindow::indexOf(const ControlDesign& control) const {
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    if (&design_.controls[i] == &control) return static_cast<int>(i);
  }
  return -1;
}

int PageWindow::value(const ControlDesign& control) const {
  return pageControlValue(index_, indexOf(control));
}

void PageWindow::setValue(const ControlDesign& control, int value) {
  pageControlSetValue(index_, indexOf(control), value);
}

void PageWindow::setText(const ControlDesign& control, const std::string& text) {
  pageControlText(index_, indexOf(control), text.c_str());
}

void PageWindow::describe(const ControlDesign& control, const std::string& text) {
  pageControlDescribe(index_, indexOf(control), text.c_str());
}

void PageWindow::padAction(PadWindowAction action) {
  int focus[2] = {};
  pageFocus(focus);
  const int control = focus[1];
  const bool ours =
      focus[0] == index_ && control >= 0 && control < static_cast<int>(design_.controls.size());
  const std::string_view focused =
      ours ? std::string_view(design_.controls[static_cast<std::size_t>(control)].name) : "";
  const PadFocusStep step = padFocusStep(design_, focused, action);
  switch (step.kind) {
    case PadFocusStep::Kind::Focus:
      pageControlFocus(index_, indexOf(design_.control(step.control)));
      break;
    case PadFocusStep::Kind::StepSlider: {
      const int now = pageControlValue(index_, control);
      const int value =
          std::clamp(now + step.sliderStep, kOptionSlider.minimum, kOptionSlider.maximum);
      // A slider at its end stays, and fires nothing, as under the keys.
      if (value != now) pageControlStep(index_, control, value);
      break;
    }
    case PadFocusStep::Kind::Press:
      pageControlClick(index_, control);
      break;
    case PadFocusStep::Kind::None:
      break;
  }
}
