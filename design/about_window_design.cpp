#include "design/about_window_design.h"

namespace {

// The run of blanks starts the last sentence on a line of its own.
std::string aboutParagraph() {
  return "    Zundabar was made by the Zundabar developers and may be freely distributed without "
         "their permission. You can write to them at  developers@zundabar.example.org ." +
         std::string(19, ' ') + "ZNDBR! uses " + std::string(options::countInWords()) +
         " self-created registry keys, to store the options from the options dialogue:";
}

WindowDesign makeDesign() {
  using K = ControlKind;
  WindowDesign w;
  w.name = "aboutWindow";
  w.caption = "About Zundabar";
  w.clientWidthTwips = 4680;
  w.clientHeightTwips = 4335;
  w.firstFocus = "closeButton";
  w.controls = {
      {.kind = K::PushButton,
       .name = "closeButton",
       .twips = {1860, 3465, 960, 330},
       .caption = "Close",
       .tabIndex = 1},
      {.name = "copyright",
       .twips = {1125, 3920, 2430, 225},
       .caption = "\u00a9 2026 the Zundabar developers",
       .tabIndex = 5},
      {.name = "musicCredit",
       .twips = {1050, 2100, 3165, 225},
       .caption = "    Music played by the Zundabar team.",
       .tabIndex = 4},
      {.name = "makerAddress",
       .twips = {825, 3150, 3045, 225},
       .caption = "https://zundabar.example.org/",
       .tabIndex = 3},
      // Kept on its one line in a narrow serif.
      {.name = "optionsLocation",
       .twips = {315, 1785, 4095, 225},
       .caption =
           "HKEY_CURRENT_USER\\" + options::kStoreFolder + "\\" + options::kApplication + "\\",
       .font = FontRole::Location,
       .wraps = false,
       .tabIndex = 2},
      {.kind = K::Picture,
       .name = "makerBanner",
       .twips = {555, 2625, 3570, 480},
       .caption = "maker_banner"},
      {.name = "aboutText", .twips = {1050, 210, 3165, 1380}, .caption = aboutParagraph()},
      {.kind = K::Picture, .name = "piSign", .twips = {210, 210, 630, 585}, .caption = "pi_sign"},
  };
  return w;
}

}  // namespace

const WindowDesign& aboutWindowDesign() {
  static const WindowDesign design = makeDesign();
  return design;
}

std::string optionsLocationTooltip(std::string_view location) {
  return "On this computer the options are kept in " + std::string(location);
}
