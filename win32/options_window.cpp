#include "win32/options_window.h"

#include <commctrl.h>

#include "design/options_window_design.h"
#include "win32/utf16.h"

OptionsWindow::OptionsWindow(HWND owner, HINSTANCE instance, PlaySession& session, int zoom)
    : DesignedWindow(optionsWindowDesign(), owner, instance, zoom), session_(session) {
  if (alive()) loadChoices();
}

int OptionsWindow::choiceOf(const options::Option& option) const {
  const ControlDesign* choice = design().forOption(option, OptionRole::Choice);
  if (!choice) return 0;
  HWND c = control(choice->name);
  if (choice->kind == ControlKind::Slider) {
    return static_cast<int>(SendMessageW(c, TBM_GETPOS, 0, 0));
  }
  return SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void OptionsWindow::loadChoices() {
  const std::vector<int> choices = session_.optionChoices();
  for (size_t i = 0; i < options::kAll.size(); ++i) {
    const ControlDesign* choice = design().forOption(*options::kAll[i], OptionRole::Choice);
    if (!choice) continue;
    HWND c = control(choice->name);
    if (choice->kind == ControlKind::Slider) {
      SendMessageW(c, TBM_SETPOS, TRUE, choices[i]);
    } else {
      SendMessageW(c, BM_SETCHECK, choices[i] != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    showValue(*options::kAll[i]);
  }
}

void OptionsWindow::showValue(const options::Option& option) {
  if (const ControlDesign* value = design().forOption(option, OptionRole::ValueLabel)) {
    SetWindowTextW(control(value->name),
                   toUtf16(PlaySession::sliderValueText(choiceOf(option))).c_str());
  }
}

void OptionsWindow::clicked(const ControlDesign& c) {
  if (c.optionRole == OptionRole::SetButton && c.option) {
    session_.applyOption(*c.option, choiceOf(*c.option));
  } else if (c.kind == ControlKind::PushButton && c.optionRole == OptionRole::None) {
    // Resume Game, the one button that serves no option.
    session_.resumeGamePressed();
  }
}

void OptionsWindow::scrolled(const ControlDesign& c) {
  // The value label follows the thumb while it is still moving.
  if (c.option) showValue(*c.option);
}

void OptionsWindow::closedOtherwise() { session_.windowClosedOtherwise(SecondaryWindow::Options); }
