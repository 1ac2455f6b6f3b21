#include "win32/registry_display_store.h"

#include <utility>

#include "win32/report.h"
#include "win32/system_error_text.h"

namespace {

constexpr char kZoomValue[] = "Zoom";
constexpr char kFullScreenValue[] = "FullScreen";

}  // namespace

RegistryDisplayStore::RegistryDisplayStore(std::string keyPath, OnceReport::Report report)
    : key_(std::move(keyPath)),
      report_(report ? std::move(report) : OnceReport::Report(tellOnStderrOrDebugger)) {}

bool RegistryDisplayStore::readValue(const char* name, DWORD smallest, DWORD largest,
                                     DWORD& number) {
  const LSTATUS status = key_.readNumber(name, number);
  std::string why;
  switch (status) {
    case ERROR_SUCCESS:
      if (number >= smallest && number <= largest) return true;
      why = "is " + std::to_string(number) + ", not from " + std::to_string(smallest) + " to " +
            std::to_string(largest);
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return true;
    case ERROR_UNSUPPORTED_TYPE:
    case ERROR_MORE_DATA:
      why = "is not a REG_DWORD number";
      break;
    default:
      why = "cannot be read: " + systemErrorText(status);
      break;
  }
  report_.tell("the display setting " + std::string(name) + " in " + key_.shown() + " " + why +
               "; the window opens at its own size");
  return false;
}

DisplayChoice RegistryDisplayStore::load() {
  DisplayChoice choice;
  DWORD zoom = static_cast<DWORD>(choice.zoom);
  DWORD fullScreen = choice.fullScreen ? 1 : 0;
  if (!readValue(kZoomValue, 1, kMaxZoom, zoom) || !readValue(kFullScreenValue, 0, 1, fullScreen)) {
    return {};
  }
  return {static_cast<int>(zoom), fullScreen == 1};
}

void RegistryDisplayStore::save(const DisplayChoice& choice) {
  const LSTATUS status = key_.write([&](HKEY key) {
    const LSTATUS zoom = setNumberValue(key, kZoomValue, static_cast<DWORD>(choice.zoom));
    const LSTATUS fullScreen = setNumberValue(key, kFullScreenValue, choice.fullScreen ? 1 : 0);
    return zoom != ERROR_SUCCESS ? zoom : fullScreen;
  });
  if (status != ERROR_SUCCESS) {
    report_.tell("could not save the display settings to " + key_.shown() + ": " +
                 systemErrorText(status) + "; the game plays on as it is");
  }
}
