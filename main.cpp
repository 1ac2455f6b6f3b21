#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "game/time_mixed_random.h"
#include "ui/font_configuration.h"
#include "ui/game_font.h"
#include "ui/main_window/display_modes.h"
#include "ui/main_window/key_state_filter.h"
#include "ui/main_window/lazy_pad_reader.h"
#include "ui/main_window/lazy_wave_player.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/pad_poller.h"
#include "ui/stores/platform_store.h"
#include "ui/surroundings.h"

int main(int argc, char** argv) {
  secureStandardStreams();
  FontConfigurationLoader fontConfiguration;
  // The game has no text to type: no input method is loaded, nor a connection made to one.
  qputenv("QT_IM_MODULE", "none");
  std::optional<QApplication> app;
  {
    const DisplayGuard guard;
    app.emplace(argc, argv);
  }
  fontConfiguration.finish();
  QApplication::setApplicationName("Zundabar");
  QApplication::setDesktopFileName("org.example.Zundabar");
  useGameFont();

  KeyStateFilter keys;
  const std::unique_ptr<SettingsStore> store = makePlatformStore();
  LazyWavePlayer player;
  TimeMixedRandom random;
  MainWindow form(keys, *store, player, random, platformStoreLocation());
  DisplayModes display(form, DisplayFile());
  display.restore();
  form.start();
  LazyPadReader padReader;
  PadPoller pads(form.session(), padReader);
  pads.start();
  const int status = QApplication::exec();
  // Qt 6.4's Wayland platform can hang for good while it disconnects: its event thread waits on
  // a read that the main thread prepared, while the main thread waits for it to end. Every
  // option and display choice is stored as it is made, so on Wayland the game ends here.
  if (QGuiApplication::platformName().startsWith("wayland")) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
