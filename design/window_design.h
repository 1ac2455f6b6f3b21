#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/twips.h"
#include "game/main_window_controls.h"
#include "game/option_rules.h"
#include "game/playfield.h"

// A window as it is designed, free of any toolkit: each front-end builds its windows from this and
// nothing else, and tests find a control's place here by its name.

enum class ControlKind { Label, PushButton, CheckBox, Slider, Picture, Playfield };

enum class FontRole {
  // MS Sans Serif 8 points, the windows' default.
  Default,
  // MS Sans Serif 13.5 points, underlined, not bold: the main window's numbers.
  Number,
  // MS Serif 6.75 points, not bold: the About window's line naming where the options are kept.
  Location,
};

// What a control of the options window does for its option.
enum class OptionRole { None, Caption, Choice, ValueLabel, SetButton };

struct ControlDesign {
  ControlKind kind = ControlKind::Label;
  // The control's object name, by which front-ends and tests find it.
  std::string name{};
  // The name of the control it lies in, or empty for the window's client area.
  std::string container{};
  TwipsRect twips{};
  // A label's or button's text; for a picture, the name of the game picture it shows.
  std::string caption{};
  FontRole font = FontRole::Default;
  // Without a colour the system's button face and button text.
  std::optional<Rgb> backColour{};
  std::optional<Rgb> foreColour{};
  // A label's text wraps at word boundaries inside its width unless this is false.
  bool wraps = true;
  // A label that grows to the right beyond its designed width to show its whole caption on one
  // line, and shrinks back to it.
  bool growsWithCaption = false;
  // Its place in the keyboard order, counted from 0; only buttons, boxes and sliders take the
  // focus.
  int tabIndex = -1;
  std::string tooltip{};
  bool handCursor = false;
  // The options window's controls each serve one option.
  const options::Option* option = nullptr;
  OptionRole optionRole = OptionRole::None;

  PixelRect pixels() const { return toPixels(twips); }
  bool takesFocus() const {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::Slider;
  }
};

struct TimerDesign {
  TimerId id;
  std::string name;
  int intervalMs;
  bool initiallyOn;
};

struct WindowDesign {
  std::string name;
  std::string caption;
  int clientWidthTwips = 0;
  int clientHeightTwips = 0;
  // Where the client area's top-left corner goes on the screen; without one the system chooses.
  std::optional<TwipsRect> placement;
  // In creation order.
  std::vector<ControlDesign> controls;
  std::vector<TimerDesign> timers;
  // The control that has the keyboard when the window opens.
  std::string firstFocus;

  // The client area in pixels, placed where designed (at 0, 0 without a placement).
  PixelRect clientPixels() const;
  // The control of that name; a name the design lacks is a programming error and throws.
  const ControlDesign& control(std::string_view name) const;
  // The controls that take the focus, in keyboard order.
  std::vector<const ControlDesign*> tabOrder() const;
  // The control that serves the option in that role, or none.
  const ControlDesign* forOption(const options::Option& option, OptionRole role) const;
};

// The control's rectangle in pixels in its window's client area at a zoom, through its
// containers (a label on the playfield lies inside the playfield's border).
PixelRect placeInWindow(const WindowDesign& window, const ControlDesign& control, int zoom);
