#include <QApplication>
#include <optional>

#include "game/time_mixed_random.h"
#include "ui/game_font.h"
#include "ui/main_window/display_modes.h"
#include "ui/main_window/key_state_filter.h"
#include "ui/main_window/lazy_wave_player.h"
#include "ui/main_window/main_window.h"
#include "ui/stores/platform_store.h"
#include "ui/surroundings.h"

int main(int argc, char** argv) {
  secureStandardStreams();
  std::optional<QApplication> app;
  {
    const DisplayGuard guard;
    app.emplace(argc, argv);
  }
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
  form.show();
  return QApplication::exec();
}
