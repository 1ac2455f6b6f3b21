#include "win32/display_modes.h"

#include <algorithm>
#include <string>
#include <vector>

#include "win32/main_window.h"
#include "win32/monitor.h"
#include "win32/utf16.h"

DisplayModes::DisplayModes(MainWindow& window, RegistryDisplayStore& store)
    : window_(window), store_(store) {}

int DisplayModes::largestWindowZoom() const {
  const PixelRect work = monitorAreas(window_.handle()).work;
  return largestZoomFitting({work.width, work.height}, window_.designSize(), window_.frameSize());
}

int DisplayModes::fullScreenZoom() const {
  const PixelRect whole = monitorAreas(window_.handle()).whole;
  return largestZoomFitting({whole.width, whole.height}, window_.designSize());
}

void DisplayModes::restore() {
  DisplayChoice choice = store_.load();
  choice.zoom = std::min(choice.zoom, largestWindowZoom());
  choice_ = choice;
  present();
}

void DisplayModes::refit() {
  choice_.zoom = std::min(choice_.zoom, largestWindowZoom());
  present();
}

void DisplayModes::apply(DisplayCommand command) {
  show(afterDisplayCommand(choice_, command, largestWindowZoom()));
}

void DisplayModes::show(DisplayChoice choice) {
  if (choice == choice_) return;
  choice_ = choice;
  present();
  store_.save(choice_);
}

void DisplayModes::present() {
  if (choice_.fullScreen) {
    window_.showZoomed(fullScreenZoom(), monitorAreas(window_.handle()).whole);
  } else {
    window_.showZoomed(choice_.zoom, std::nullopt);
    // The enlarged window grows to the right and down, perhaps off the screen.
    keepInsideWorkArea(window_.handle());
  }
}

void DisplayModes::showMenu(POINT at) {
  const std::vector<DisplayMenuEntry> entries = displayMenu(choice_, largestWindowZoom());
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  for (size_t i = 0; i < entries.size(); ++i) {
    const DisplayMenuEntry& entry = entries[i];
    if (entry.separatorBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    // A tab in the text puts the keys in their own column.
    const std::wstring text =
        toUtf16(entry.keys.empty() ? entry.text : entry.text + "\t" + entry.keys);
    AppendMenuW(menu,
                MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED) |
                    (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                i + 1, text.c_str());
  }
  // The menu closes when the player clicks elsewhere only while its window is in front.
  SetForegroundWindow(window_.handle());
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                      at.y, 0, window_.handle(), nullptr));
  DestroyMenu(menu);
  if (chosen > 0 && chosen <= static_cast<int>(entries.size())) show(entries[chosen - 1].choice);
}
