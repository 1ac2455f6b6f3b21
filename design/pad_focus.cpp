#include "design/pad_focus.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<const ControlDesign*> keyboardOrder(const WindowDesign& design) {
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& control : design.controls) {
    if (control.takesFocus()) order.push_back(&control);
  }
  std::stable_sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
    return a->tabIndex < b->tabIndex;
  });
  return order;
}

}  // namespace

PadFocusStep padFocusStep(const WindowDesign& design, std::string_view focused,
                          PadWindowAction action) {
  const std::vector<const ControlDesign*> order = keyboardOrder(design);
  if (order.empty() || action == PadWindowAction::Close) return {};
  const auto at = std::find_if(order.begin(), order.end(),
                               [&](const ControlDesign* c) { return c->name == focused; });
  const bool found = at != order.end();
  if (action == PadWindowAction::Press) {
    // Space presses buttons and boxes; a slider takes no press.
    const bool pressable = found && (*at)->kind != ControlKind::Slider;
    return pressable ? PadFocusStep{PadFocusStep::Kind::Press} : PadFocusStep{};
  }
  const bool backwards = action == PadWindowAction::FocusUp || action == PadWindowAction::Left;
  if (found && (*at)->kind == ControlKind::Slider &&
      (action == PadWindowAction::Left || action == PadWindowAction::Right)) {
    return {PadFocusStep::Kind::StepSlider, {}, backwards ? -1 : 1};
  }
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = 0;
  if (!found) {
    index = backwards ? count - 1 : 0;
  } else {
    index = ((at - order.begin()) + (backwards ? count - 1 : 1)) % count;
  }
  return {PadFocusStep::Kind::Focus, order[static_cast<std::size_t>(index)]->name};
}
