#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "game/game.h"
#include "play/key_rules.h"
#include "play/music.h"
#include "play/play_control.h"
#include "win32/about_window.h"
#include "win32/design_fonts.h"
#include "win32/options_window.h"
#include "win32/picture_control.h"
#include "win32/playfield_window.h"
#include "win32/shown_label.h"

// The main window: the playfield with its labels, the score below it, the credit banner that
// opens the About window, and the three timers that drive the game. It owns the game and gives
// it its windows, and opens the options and About windows.
class MainWindow final : public MainWindowControls {
 public:
  static void registerClasses(HINSTANCE instance);

  MainWindow(HINSTANCE instance, KeyRules& keys, SettingsStore& store, WavePlayer& player,
             RandomSource& random);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Makes the window, sets up the first level and shows it; false when no window could be made.
  bool open(int showCommand);
  HWND handle() const { return window_; }
  // The options or About window, while it exists.
  HWND optionsWindow() const;
  HWND aboutWindow() const;

  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void setTimer(TimerId timer, bool on) override;
  bool timerOn(TimerId timer) const override;
  void restoreDesignedGeometry() override;
  void showMessage(const std::string& text) override;
  void showOptions() override;
  void showAbout() override;
  void endProgram() override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void layOut(int dpi, const RECT* suggested);
  void paintLabels(HDC dc);
  void timerFired(TimerId timer);
  ShownLabel& label(LabelId id);
  void labelChanged(const ShownLabel& label);

  HINSTANCE instance_;
  KeyRules& keys_;
  SettingsStore& store_;
  std::vector<ShownLabel> labels_;
  std::map<LabelId, size_t> labelIndex_;
  PlayfieldWindow playfield_;
  Game game_;
  Music music_;
  PlayControl playControl_;
  HWND window_ = nullptr;
  std::unique_ptr<PictureControl> creditBanner_;
  std::unique_ptr<OptionsWindow> options_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<DesignFonts> fonts_;
  int dpi_ = 96;
  std::map<TimerId, bool> timersOn_;
  bool ended_ = false;
};
