#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/twips.h"

// How large the player sees the main window, and the rules both front-ends follow for it: whole
// zoom factors up to the largest that fits, full screen at the largest factor that fits the
// whole screen with the picture centred between black bars, and windows kept on the screen.

// The player's choice: a zoom in a window, and whether full screen.
struct DisplayChoice {
  int zoom = 1;
  bool fullScreen = false;
  bool operator==(const DisplayChoice&) const = default;
};

constexpr int kMaxZoom = 32;

// The largest whole factor from 1 to kMaxZoom at which the design, with a frame of the given
// size around it, fits the area; 1 when even that does not fit.
int largestZoomFitting(PixelSize area, PixelSize design, PixelSize frame = {});

// Where the zoomed picture's top-left corner lies full screen: centred, the rest black.
PixelRect fullScreenPicture(PixelSize screen, PixelSize design, int zoom);
// The black bars that fill the client area around the picture: above, below, left and right of
// it, leaving out those of no size (all of them when the picture covers the client area).
std::vector<PixelRect> blackBars(PixelSize client, PixelRect picture);

// Where a window's frame goes so that it lies inside the area: where it is when it already does;
// the right and bottom edges come inside first, so that a window larger than the area keeps its
// top-left corner, with the title bar, inside it.
PixelRect placeInside(PixelRect frame, PixelRect area);

// What the player asks of the display, by key or from the right-click menu.
enum class DisplayCommand { ZoomIn, ZoomOut, ActualSize, ToggleFullScreen };

// The choice after a command. The zoom commands first go back to the window, at a zoom from 1 to
// the largest at which the window fits; full screen keeps the window's zoom for its return.
DisplayChoice afterDisplayCommand(DisplayChoice choice, DisplayCommand command,
                                  int largestWindowZoom);
// The window at that zoom, or at the nearest that fits.
DisplayChoice windowAtZoom(int zoom, int largestWindowZoom);

// The right-click menu's texts, which both front-ends show.
inline constexpr std::string_view kZoomInText = "Zoom in";
inline constexpr std::string_view kZoomOutText = "Zoom out";
inline constexpr std::string_view kFullScreenText = "Full screen";
inline constexpr std::string_view kFullScreenKeysText = "F11, Alt+Enter";
// A whole zoom factor as the menu names it: "2x".
std::string zoomFactorText(int zoom);

// One entry of the right-click menu: its text, the keys shown beside it, and the choice it makes.
struct DisplayMenuEntry {
  std::string text;
  std::string keys;
  DisplayChoice choice;
  // Greyed where it would change nothing.
  bool enabled = true;
  bool checked = false;
  bool separatorBefore = false;
  // The command whose keys make the same choice, for the entries that show keys.
  std::optional<DisplayCommand> command = std::nullopt;
};

// Zoom in, zoom out, every factor from 1x to the largest that fits, and full screen.
std::vector<DisplayMenuEntry> displayMenu(DisplayChoice current, int largestWindowZoom);

// The choice as the game stores it: "[Display]", "Zoom=N" and "FullScreen=true|false" lines.
std::string displayChoiceText(const DisplayChoice& choice);
// The stored choice, or nothing for a text with a line of anything else or a zoom out of range.
std::optional<DisplayChoice> parseDisplayChoice(std::string_view text);
