#pragma once

// A click on a control counts only when the button went down and came up again inside it, as a
// push button takes it: a press that started elsewhere, or a release dragged out, is no click.
class InsideClick {
 public:
  void press(bool inside) { pressedInside_ = inside; }
  // True when this release completes a click.
  bool release(bool inside) {
    const bool click = pressedInside_ && inside;
    pressedInside_ = false;
    return click;
  }

 private:
  bool pressedInside_ = false;
};
