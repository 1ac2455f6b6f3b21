#include "design/window_design.h"

#include <algorithm>
#include <stdexcept>

#include "design/main_window_design.h"

PixelRect WindowDesign::clientPixels() const {
  const TwipsRect at = placement.value_or(TwipsRect{});
  return toPixels({at.left, at.top, clientWidthTwips, clientHeightTwips});
}

const ControlDesign& WindowDesign::control(std::string_view wanted) const {
  for (const ControlDesign& c : controls) {
    if (c.name == wanted) return c;
  }
  throw std::out_of_range("the window " + name + " has no control " + std::string(wanted));
}

std::vector<const ControlDesign*> WindowDesign::tabOrder() const {
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& c : controls) {
    if (c.takesFocus()) order.push_back(&c);
  }
  std::stable_sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
    return a->tabIndex < b->tabIndex;
  });
  return order;
}

const ControlDesign* WindowDesign::forOption(const options::Option& option, OptionRole role) const {
  for (const ControlDesign& c : controls) {
    if (c.option == &option && c.optionRole == role) return &c;
  }
  return nullptr;
}

PixelRect placeInWindow(const WindowDesign& window, const ControlDesign& control, int zoom) {
  PixelRect r = zoomedRect(control.pixels(), zoom);
  for (std::string container = control.container; !container.empty();) {
    const ControlDesign& outer = window.control(container);
    const PixelRect at = zoomedRect(outer.pixels(), zoom);
    const int border = outer.kind == ControlKind::Playfield ? kPlayfieldBorderPx * zoom : 0;
    r.x += at.x + border;
    r.y += at.y + border;
    container = outer.container;
  }
  return r;
}
