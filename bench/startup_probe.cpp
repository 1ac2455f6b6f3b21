// Starts a program and measures, from the X server's side, the time until its first window is
// mapped and painted (its centre is no longer the screen's black), then its peak resident
// memory once it waits. Prints "MILLISECONDS KIB".
// Usage: zundabar_startup_probe [--title TITLE] PROGRAM [ARGS...]
// With --title it waits for a window of that title instead: a program started through Wine's
// loader has Wine's own windows mapped before its own, and its memory is spread over Wine's
// processes, so the KIB of such a program tells little.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

long peakResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Whether any of a few pixels down from the window's centre is no longer the screen's black: a
// single pixel could be crossed by a black line of the window's own.
bool painted(Display* display, Window window) {
  constexpr int kRows = 5;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, kRows,
                            AllPlanes, ZPixmap);
  if (!image) return false;
  bool seen = false;
  for (int y = 0; y < kRows; ++y) seen = seen || XGetPixel(image, 0, y) != 0;
  XDestroyImage(image);
  return seen;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

bool titled(Display* display, Window window, const char* title) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || !name) return false;
  const bool same = std::strcmp(name, title) == 0;
  XFree(name);
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  const char* title = nullptr;
  if (argc > 2 && std::strcmp(argv[1], "--title") == 0) {
    title = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s [--title TITLE] PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(ignoreErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  Window shown = 0;
  std::vector<Window> mapped;
  while (!shown) {
    XEvent event;
    if (title && !XPending(display)) {
      // A title can come after the map: look at the mapped windows again now and then.
      for (Window window : mapped)
        if (titled(display, window, title)) shown = window;
      if (!shown) std::this_thread::sleep_for(std::chrono::microseconds(200));
      continue;
    }
    XNextEvent(display, &event);
    if (event.type != MapNotify || event.xmap.event != root) continue;
    if (!title || titled(display, event.xmap.window, title))
      shown = event.xmap.window;
    else
      mapped.push_back(event.xmap.window);
  }
  while (!painted(display, shown)) std::this_thread::sleep_for(std::chrono::microseconds(200));
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  std::printf("%.2f %ld\n", ms, peakResidentKib(child));
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
