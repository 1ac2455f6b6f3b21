#include "design/main_window_design.h"

#include "play/music.h"
#include "play/play_control.h"

namespace {

constexpr Rgb kDesignBlue{0, 0, 255};
constexpr Rgb kDesignGreen{0, 255, 0};
constexpr Rgb kBlack{0, 0, 0};

// Seven blanks keep the two sentences apart; in the default font the prompt breaks after
// "options.".
constexpr std::string_view kStartPrompt =
    "Press 'F1' for configuration options.       Press 'Space' to begin game";

WindowDesign makeDesign() {
  using K = ControlKind;
  WindowDesign w;
  w.name = "mainWindow";
  w.caption = "Zundabar";
  w.clientWidthTwips = 7380;
  w.clientHeightTwips = 7470;
  w.placement = TwipsRect{360, 600, 0, 0};
  w.firstFocus = "playfield";
  // The labels on the playfield lie on its grass, all but the start prompt, which lies in the sky.
  w.controls = {
      {.kind = K::Playfield, .name = "playfield", .twips = {105, 105, 7134, 6757}, .tabIndex = 0},
      {.name = "levelCaption",
       .container = "playfield",
       .twips = {5840, 6390, 435, 225},
       .caption = "Level:",
       .backColour = kDesignGreen},
      {.name = "level",
       .container = "playfield",
       .twips = {6510, 6289, 150, 360},
       .caption = "L",
       .font = FontRole::Number,
       .backColour = kDesignGreen,
       .growsWithCaption = true},
      {.name = "jumps",
       .container = "playfield",
       .twips = {3360, 6289, 840, 360},
       .caption = "Jumps",
       .font = FontRole::Number,
       .backColour = kDesignGreen,
       .growsWithCaption = true},
      {.name = "jumpsCaption",
       .container = "playfield",
       .twips = {105, 6405, 3105, 195},
       .caption = "SuperHappyUltraHyperMegaMonkeyJumps:",
       .backColour = kDesignGreen},
      {.name = "startPrompt",
       .container = "playfield",
       .twips = {2430, 1575, 2535, 435},
       .caption = std::string(kStartPrompt),
       .backColour = kDesignBlue,
       .foreColour = kBlack},
      {.name = "scoreCaption", .twips = {5145, 6975, 465, 195}, .caption = "Score:"},
      {.name = "score",
       .twips = {5775, 7005, 1515, 360},
       .caption = "0",
       .font = FontRole::Number,
       .growsWithCaption = true},
      {.kind = K::Picture,
       .name = "creditBanner",
       .twips = {2460, 6975, 2475, 420},
       .caption = "credit_banner",
       .tooltip = "About Zundabar",
       .handCursor = true},
  };
  w.timers = {
      {TimerId::Tick, "tick", kTickIntervalMs, false},
      {TimerId::MusicReplay, "musicReplay", kMusicReplayIntervalMs, false},
      {TimerId::Listener, "listener", kListenIntervalMs, true},
  };
  return w;
}

}  // namespace

const WindowDesign& mainWindowDesign() {
  static const WindowDesign design = makeDesign();
  return design;
}

PixelRect playfieldPixels() { return mainWindowDesign().control("playfield").pixels(); }

PixelRect playfieldInnerPixels() {
  const PixelRect outer = playfieldPixels();
  return {outer.x + kPlayfieldBorderPx, outer.y + kPlayfieldBorderPx,
          outer.width - 2 * kPlayfieldBorderPx, outer.height - 2 * kPlayfieldBorderPx};
}

double playfieldPixelsPerUnitX() { return playfieldInnerPixels().width / double{kPlayfieldUnits}; }

double playfieldPixelsPerUnitY() { return playfieldInnerPixels().height / double{kPlayfieldUnits}; }

std::string_view labelName(LabelId label) {
  switch (label) {
    case LabelId::StartPrompt:
      return "startPrompt";
    case LabelId::JumpsCaption:
      return "jumpsCaption";
    case LabelId::Level:
      return "level";
    case LabelId::Jumps:
      return "jumps";
    case LabelId::Score:
      return "score";
  }
  return {};
}

std::string_view pictureName(Picture picture) {
  switch (picture) {
    case Picture::MonkeyUp:
      return "player_up";
    case Picture::MonkeyDown:
      return "player_down";
    case Picture::Cloud:
      return "cloud";
    case Picture::Crate:
      return "crate";
  }
  return {};
}
