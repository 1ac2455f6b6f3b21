// Pictures of the Windows game's windows in fixed situations, for comparing two builds pixel by
// pixel, as zundabar_window_shots does for the Qt game: the real main window at its start and
// after some ticks of play with a scripted layout, and the options and About windows, each at
// every zoom named, as BMP files of their client areas. A test tool, never installed;
// tools/window_shots/wine_window_shots.sh runs it under Wine and makes PNG files of them.
//   zundabar_window_shots FOLDER [ZOOM...]
// It uses only what the main window offers the game and its own program, so that it builds
// against earlier versions of the game too (tools/window_shots/win32_against).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/random_source.h"
#include "game/settings_store.h"
#include "play/key_rules.h"
#include "play/wave_player.h"
#include "win32/main_window.h"
#include "win32/registry_display_store.h"
#include "win32/registry_store.h"

namespace {

// The ticks of play shown, and the layout's draws: those of the Qt game's shots.
constexpr int kPlayTicks = 12;
constexpr float kDraws[] = {0.31f, 0.12f, 0.57f, 0.44f, 0.73f, 0.28f, 0.66f, 0.08f, 0.91f, 0.35f};
// A tick runs when a wake of its timer comes at least one period after the one before.
constexpr DWORD kTickWaitMs = 61;
// The identifier the main window gives its tick timer: the timer's number plus one.
constexpr WPARAM kTickTimerIdentifier = static_cast<WPARAM>(TimerId::Tick) + 1;
// The display choice is kept apart from the game's own.
constexpr char kDisplayKeyPath[] = "Software\\Zundabar\\WindowShots";

class MemoryStore final : public SettingsStore {
 public:
  std::string get(const std::string& key) override { return values_[key]; }
  void save(const std::string& key, const std::string& text) override { values_[key] = text; }

 private:
  std::map<std::string, std::string> values_;
};

class Silence final : public WavePlayer {
 public:
  void play(const std::string&) override {}
};

class ScriptedRandom final : public RandomSource {
 public:
  float next() override { return kDraws[count_++ % std::size(kDraws)]; }

 private:
  unsigned count_ = 0;
};

// Runs what the windows were sent, paints above all, but no timer of the game: its ticks run
// only when the tool says.
void settle() {
  MSG message;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFF, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  }
}

// The window's client area with its child windows, as a 24-bit BMP file.
bool save(HWND window, const std::string& folder, const std::string& name, int zoom) {
  const std::string path = folder + "\\" + name + "-" + std::to_string(zoom) + "x.bmp";
  if (!window) {
    std::fprintf(stderr, "no %s window\n", name.c_str());
    return false;
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  settle();
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom row first, as a BMP file keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  // Without clipping the children, the copy takes them too.
  HDC source = GetDCEx(window, nullptr, DCX_CACHE);
  HDC target = CreateCompatibleDC(source);
  HGDIOBJ previous = SelectObject(target, picture);
  const bool copied = picture && BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  SelectObject(target, previous);
  DeleteDC(target);
  ReleaseDC(window, source);
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
  if (copied) out.write(static_cast<const char*>(bits), imageBytes);
  const bool written = copied && out.good();
  if (picture) DeleteObject(picture);
  if (!written) std::fprintf(stderr, "could not write %s\n", path.c_str());
  return written;
}

bool shootAtZoom(HINSTANCE instance, const std::string& folder, int zoom) {
  KeyRules keys;
  MemoryStore store;
  Silence silence;
  ScriptedRandom random;
  RegistryDisplayStore display(kDisplayKeyPath);
  display.save({});
  // The About window names where the game keeps its options.
  const std::string optionsLocation = "HKEY_CURRENT_USER\\" + RegistryStore().keyPath();
  MainWindow main(instance, keys, store, silence, random, display, optionsLocation);
  if (!main.open(SW_SHOWNORMAL)) {
    std::fprintf(stderr, "the main window could not be made\n");
    return false;
  }
  main.showZoomed(zoom, false);
  settle();
  bool ok = save(main.handle(), folder, "start", zoom);
  keys.keyDown(VirtualKey::Down, false, false);
  main.setTimer(TimerId::Tick, true);
  for (int tick = 0; tick < kPlayTicks; ++tick) {
    Sleep(kTickWaitMs);
    SendMessageW(main.handle(), WM_TIMER, kTickTimerIdentifier, 0);
    settle();
  }
  main.setTimer(TimerId::Tick, false);
  keys.focusLost();
  ok &= save(main.handle(), folder, "play", zoom);
  main.showOptions();
  ok &= save(main.optionsWindow(), folder, "options", zoom);
  main.showAbout();
  ok &= save(main.aboutWindow(), folder, "about", zoom);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [ZOOM...]\n", argv[0]);
    return 2;
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  MainWindow::registerClasses(instance);
  const std::string folder = argv[1];
  CreateDirectoryA(folder.c_str(), nullptr);
  std::vector<int> zooms;
  for (int i = 2; i < argc; ++i) zooms.push_back(std::atoi(argv[i]));
  if (zooms.empty()) zooms.push_back(1);
  bool ok = true;
  for (const int zoom : zooms) ok &= shootAtZoom(instance, folder, zoom);
  return ok ? 0 : 1;
}
