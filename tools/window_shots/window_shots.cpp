// Pictures of the game's windows in fixed situations, for comparing two builds pixel by pixel:
// the main window at its start and after some ticks of play with a scripted layout, and the
// options and About windows, each at every zoom named. A test tool, never installed.
//   zundabar_window_shots FOLDER [ZOOM...]
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "game/key_state.h"
#include "game/random_source.h"
#include "game/settings_store.h"
#include "play/wave_player.h"
#include "tools/window_shots/scripted_random.h"
#include "ui/about_window/about_window.h"
#include "ui/game_font.h"
#include "ui/main_window/main_window.h"
#include "ui/options_window/options_window.h"

namespace {

class HeldKeys final : public KeyState {
 public:
  bool pressed(VirtualKey key) override { return key == held; }
  void forget(VirtualKey) override {}
  VirtualKey held = VirtualKey::F1;
};

class MemoryStore final : public SettingsStore {
 public:
  std::string get(const std::string& key) override { return values[key]; }
  void save(const std::string& key, const std::string& text) override { values[key] = text; }
  std::map<std::string, std::string> values;
};

class Silence final : public WavePlayer {
 public:
  void play(const std::string&) override {}
};

bool save(QWidget* window, const QString& folder, const QString& name, int zoom) {
  const QString path = QString("%1/%2-%3x.png").arg(folder, name).arg(zoom);
  if (!window->grab().save(path)) {
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [ZOOM...]\n", argv[0]);
    return 2;
  }
  useGameFont();
  const QString folder = argv[1];
  QDir().mkpath(folder);
  bool ok = true;
  std::vector<int> zooms;
  for (int i = 2; i < argc; ++i) zooms.push_back(std::atoi(argv[i]));
  if (zooms.empty()) zooms.push_back(1);
  for (const int zoom : zooms) {
    HeldKeys keys;
    MemoryStore store;
    Silence silence;
    ScriptedRandom random;
    MainWindow window(keys, store, silence, random);
    window.showZoomed(zoom, false);
    window.start();
    ok &= save(&window, folder, "start", zoom);
    keys.held = VirtualKey::Down;
    for (int tick = 0; tick < 12; ++tick) window.playTick();
    ok &= save(&window, folder, "play", zoom);
    window.showOptions();
    ok &= save(window.optionsWindow(), folder, "options", zoom);
    window.showAbout();
    ok &= save(window.aboutWindow(), folder, "about", zoom);
  }
  return ok ? 0 : 1;
}
