#include "design/display_rules.h"

#include <algorithm>
#include <charconv>
#include <tuple>

int largestZoomFitting(PixelSize area, PixelSize design, PixelSize frame) {
  if (design.width <= 0 || design.height <= 0) return 1;
  const int zoom = std::min((area.width - frame.width) / design.width,
                            (area.height - frame.height) / design.height);
  return std::clamp(zoom, 1, kMaxZoom);
}

PixelRect fullScreenPicture(PixelSize screen, PixelSize design, int zoom) {
  // An odd margin leaves its extra pixel before the picture.
  const auto half = [](int margin) { return (margin + (margin < 0 ? -1 : 1)) / 2; };
  const int width = design.width * zoom;
  const int height = design.height * zoom;
  return {half(screen.width - width), half(screen.height - height), width, height};
}

std::vector<PixelRect> blackBars(PixelSize client, PixelRect picture) {
  // Only the part of the picture inside the client area leaves a hole.
  const int left = std::clamp(picture.x, 0, client.width);
  const int top = std::clamp(picture.y, 0, client.height);
  const int right = std::clamp(picture.x + picture.width, left, client.width);
  const int bottom = std::clamp(picture.y + picture.height, top, client.height);
  std::vector<PixelRect> bars;
  for (const PixelRect bar : {PixelRect{0, 0, client.width, top},
                              PixelRect{0, bottom, client.width, client.height - bottom},
                              PixelRect{0, top, left, bottom - top},
                              PixelRect{right, top, client.width - right, bottom - top}}) {
    if (bar.width > 0 && bar.height > 0) bars.push_back(bar);
  }
  return bars;
}

namespace {

int placeAlong(int start, int length, int areaStart, int areaLength) {
  // The far end is tried first, so that a window longer than the area starts where it starts.
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

std::string_view trimmed(std::string_view line) {
  const auto blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
  };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
}

}  // namespace

PixelRect placeInside(PixelRect frame, PixelRect area) {
  return {placeAlong(frame.x, frame.width, area.x, area.width),
          placeAlong(frame.y, frame.height, area.y, area.height), frame.width, frame.height};
}

DisplayChoice windowAtZoom(int zoom, int largestWindowZoom) {
  return {std::clamp(zoom, 1, std::max(1, largestWindowZoom)), false};
}

DisplayChoice afterDisplayCommand(DisplayChoice choice, DisplayCommand command,
                                  int largestWindowZoom) {
  switch (command) {
    case DisplayCommand::ZoomIn:
      return windowAtZoom(choice.zoom + 1, largestWindowZoom);
    case DisplayCommand::ZoomOut:
      return windowAtZoom(choice.zoom - 1, largestWindowZoom);
    case DisplayCommand::ActualSize:
      return windowAtZoom(1, largestWindowZoom);
    case DisplayCommand::ToggleFullScreen:
      return {choice.zoom, !choice.fullScreen};
  }
  return choice;
}

std::string zoomFactorText(int zoom) { return std::to_string(zoom) + "x"; }

std::vector<DisplayMenuEntry> displayMenu(DisplayChoice current, int largestWindowZoom) {
  const auto after = [&](DisplayCommand command) {
    return afterDisplayCommand(current, command, largestWindowZoom);
  };
  std::vector<DisplayMenuEntry> menu;
  for (const auto& [text, keys, command] :
       {std::tuple{kZoomInText, "Ctrl++", DisplayCommand::ZoomIn},
        std::tuple{kZoomOutText, "Ctrl+-", DisplayCommand::ZoomOut}}) {
    DisplayMenuEntry step{std::string(text), keys, after(command), after(command) != current};
    step.command = command;
    menu.push_back(step);
  }
  for (int zoom = 1; zoom <= std::max(1, largestWindowZoom); ++zoom) {
    DisplayMenuEntry factor{zoomFactorText(zoom), zoom == 1 ? "Ctrl+0" : "",
                            windowAtZoom(zoom, largestWindowZoom)};
    factor.checked = factor.choice == current;
    factor.separatorBefore = zoom == 1;
    if (zoom == 1) factor.command = DisplayCommand::ActualSize;
    menu.push_back(factor);
  }
  DisplayMenuEntry fullScreen{std::string(kFullScreenText), std::string(kFullScreenKeysText),
                              after(DisplayCommand::ToggleFullScreen)};
  fullScreen.checked = current.fullScreen;
  fullScreen.separatorBefore = true;
  fullScreen.command = DisplayCommand::ToggleFullScreen;
  menu.push_back(fullScreen);
  return menu;
}

std::string displayChoiceText(const DisplayChoice& choice) {
  return "[Display]\nZoom=" + std::to_string(choice.zoom) +
         "\nFullScreen=" + (choice.fullScreen ? "true" : "false") + "\n";
}

std::optional<DisplayChoice> parseDisplayChoice(std::string_view text) {
  DisplayChoice choice;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.starts_with("Zoom=")) {
      std::string_view number = trimmed(line.substr(5));
      if (number.starts_with('+')) number.remove_prefix(1);
      const auto [rest, error] =
          std::from_chars(number.data(), number.data() + number.size(), choice.zoom);
      if (error != std::errc() || rest != number.data() + number.size() || number.empty() ||
          choice.zoom < 1 || choice.zoom > kMaxZoom)
        return std::nullopt;
    } else if (line == "FullScreen=true" || line == "FullScreen=false") {
      choice.fullScreen = line.ends_with("true");
    } else if (!line.empty() && line != "[Display]") {
      return std::nullopt;
    }
  }
  return choice;
}
