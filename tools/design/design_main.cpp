// Where a designed control lies, for scripts that click or look at it: its rectangle in its
// window's client area at a zoom, "X Y WIDTH HEIGHT", or with --centre its centre, "X Y".
//   zundabar_design [--centre] WINDOW CONTROL [ZOOM]
// WINDOW is mainWindow, optionsWindow or aboutWindow. A test tool, never installed.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "design/about_window_design.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"

int main(int argc, char** argv) {
  int first = 1;
  const bool centre = argc > 1 && std::string(argv[1]) == "--centre";
  if (centre) ++first;
  if (argc - first < 2 || argc - first > 3) {
    std::fprintf(stderr, "usage: %s [--centre] WINDOW CONTROL [ZOOM]\n", argv[0]);
    return 2;
  }
  const std::string windowName = argv[first];
  const int zoom = argc - first == 3 ? std::atoi(argv[first + 2]) : 1;
  for (const WindowDesign* window :
       {&mainWindowDesign(), &optionsWindowDesign(), &aboutWindowDesign()}) {
    if (window->name != windowName) continue;
    try {
      const PixelRect r = placeInWindow(*window, window->control(argv[first + 1]), zoom);
      if (centre) {
        std::printf("%d %d\n", r.x + r.width / 2, r.y + r.height / 2);
      } else {
        std::printf("%d %d %d %d\n", r.x, r.y, r.width, r.height);
      }
      return 0;
    } catch (const std::out_of_range& error) {
      std::fprintf(stderr, "%s\n", error.what());
      return 2;
    }
  }
  std::fprintf(stderr, "no window is called %s\n", windowName.c_str());
  return 2;
}
