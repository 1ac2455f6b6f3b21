#include "design/options_window_design.h"

namespace {

using options::kCrates;
using options::kJump;
using options::kMusic;
using options::kProgression;

ControlDesign setButton(const options::Option& option, TwipsRect twips, int tabIndex) {
  return {.kind = ControlKind::PushButton,
          .name = "set" + std::string(option.key) + "Button",
          .twips = twips,
          .caption = "Set",
          .tabIndex = tabIndex,
          .option = &option,
          .optionRole = OptionRole::SetButton};
}

ControlDesign caption(const char* name, const options::Option& option, TwipsRect twips,
                      int tabIndex) {
  return {.name = name,
          .twips = twips,
          .caption = std::string(option.caption),
          .tabIndex = tabIndex,
          .option = &option,
          .optionRole = OptionRole::Caption};
}

ControlDesign choice(ControlKind kind, const char* name, const options::Option& option,
                     TwipsRect twips, int tabIndex, std::string text = {}) {
  return {.kind = kind,
          .name = name,
          .twips = twips,
          .caption = std::move(text),
          .tabIndex = tabIndex,
          .option = &option,
          .optionRole = OptionRole::Choice};
}

// Shows a slider's value; the window's loader gives it its first text.
ControlDesign valueLabel(const char* name, const options::Option& option, TwipsRect twips,
                         int tabIndex) {
  return {.name = name,
          .twips = twips,
          .tabIndex = tabIndex,
          .option = &option,
          .optionRole = OptionRole::ValueLabel};
}

WindowDesign makeDesign() {
  using K = ControlKind;
  WindowDesign w;
  w.name = "optionsWindow";
  w.caption = "Configuration Options";
  w.clientWidthTwips = 5265;
  w.clientHeightTwips = 4140;
  w.placement = TwipsRect{4365, 3720, 0, 0};
  w.firstFocus = "setProgressionButton";
  // The check boxes are exactly as wide as their box, so neither shows a caption; the crates
  // box carries the caption it was designed with all the same.
  w.controls = {
      setButton(kMusic, {2093, 2940, 855, 330}, 14),
      choice(K::CheckBox, "musicBox", kMusic, {2730, 2520, 225, 225}, 13),
      setButton(kCrates, {2093, 1995, 855, 330}, 11),
      choice(K::CheckBox, "cratesBox", kCrates, {2730, 1680, 225, 225}, 10, "Check1"),
      setButton(kJump, {2093, 1260, 855, 330}, 4),
      {.kind = K::PushButton,
       .name = "resumeButton",
       .twips = {1837, 3465, 1590, 540},
       .caption = "Resume Game",
       .tabIndex = 2},
      setButton(kProgression, {2093, 525, 855, 330}, 1),
      choice(K::Slider, "progressionSlider", kProgression, {2730, 210, 2220, 225}, 3),
      choice(K::Slider, "jumpSlider", kJump, {2730, 945, 2220, 225}, 5),
      caption("musicCaption", kMusic, {210, 2415, 2220, 435}, 12),
      caption("cratesCaption", kCrates, {210, 1680, 2325, 225}, 9),
      valueLabel("progressionValue", kProgression, {3045, 585, 435, 225}, 8),
      valueLabel("jumpValue", kJump, {3045, 1320, 435, 225}, 7),
      caption("jumpCaption", kJump, {210, 945, 2115, 225}, 6),
      caption("progressionCaption", kProgression, {210, 210, 2430, 225}, 0),
  };
  return w;
}

}  // namespace

const WindowDesign& optionsWindowDesign() {
  static const WindowDesign design = makeDesign();
  return design;
}
