#include <QApplication>

#include "game/time_mixed_random.h"
#include "settings/qsettings_store.h"
#include "ui/game_font.h"
#include "ui/main_window/form1.h"
#include "ui/main_window/key_state_filter.h"
#include "ui/main_window/lazy_wave_player.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zundabar");
  QApplication::setDesktopFileName("org.example.Zundabar");
  useGameFont();

  KeyStateFilter keys;
  QSettingsStore store;
  LazyWavePlayer player;
  TimeMixedRandom random;
  Form1 form(keys, store, player, random, QSettingsStore::location());
  form.show();
  return QApplication::exec();
}
