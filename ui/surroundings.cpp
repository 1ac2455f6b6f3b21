#include "ui/surroundings.h"

#include <fcntl.h>
#include <unistd.h>

#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <vector>

#include "ui/stderr_report.h"

namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

// The message handler is a plain function, so what it holds lives here.
std::vector<HeldMessage> heldMessages;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // Qt's one fatal message while it starts is that no window system could be reached.
  if (type == QtFatalMsg) {
    tellOnStderr("cannot open " + displayToTry());
    ::_exit(1);
  }
  heldMessages.push_back({type, context.category ? context.category : "", text});
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

void secureStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor is fd itself, since those below it are open by now.
    const int opened = ::open("/dev/null", O_RDWR);
    if (opened >= 0 && opened != fd) {
      ::dup2(opened, fd);
      ::close(opened);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
  // Past a limit on the size of a file, a write then fails with EFBIG and is told like a full
  // disk, instead of ending the game.
  std::signal(SIGXFSZ, SIG_IGN);
}

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(holdOrEnd)) {}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previous_);
  for (const HeldMessage& message : heldMessages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    previous_(message.type, context, message.text);
  }
  heldMessages.clear();
}

std::string displayToTry() {
  std::string platform = environment("QT_QPA_PLATFORM");
  if (platform.empty() && environment("XDG_SESSION_TYPE") == "wayland") platform = "wayland";
  // A list of platforms to try in turn, each with its options after a colon.
  platform = platform.substr(0, platform.find_first_of(";:"));
  if (platform.empty() || platform == "xcb") {
    const std::string display = environment("DISPLAY");
    if (display.empty()) return "a display: DISPLAY is not set";
    return "the display \"" + printable(display) + "\"";
  }
  if (platform.rfind("wayland", 0) == 0) {
    const std::string display = environment("WAYLAND_DISPLAY");
    return "the Wayland display \"" + printable(display.empty() ? "wayland-0" : display) + "\"";
  }
  return "the window system \"" + printable(platform) + "\"";
}
