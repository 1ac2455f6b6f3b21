#include "ui/stderr_report.h"

#include <unistd.h>

#include <cerrno>
#include <string>

void tellOnStderr(std::string_view line) {
  const std::string whole = "zundabar: " + std::string(line) + "\n";
  std::size_t written = 0;
  while (written < whole.size()) {
    const ssize_t n = ::write(STDERR_FILENO, whole.data() + written, whole.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    written += static_cast<std::size_t>(n);
  }
}
