#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "design/display_controller.h"
#include "play/key_rules.h"
#include "play/play_session.h"
#include "play/tick_pacer.h"
#include "win32/about_window.h"
#include "win32/design_fonts.h"
#include "win32/monitor.h"
#include "win32/options_window.h"
#include "win32/picture_control.h"
#include "win32/playfield_window.h"
#include "win32/shown_label.h"
#include "win32/xinput_pads.h"

// The main window: the playfield with its labels, the score below it, the credit banner, the
// three timers and the pads' poll, made with the Windows API for the play session, which it owns
// and feeds with the windows' and pads' events; it makes the options and About windows when the
// session asks. It is laid out
// at its screen's resolution times its zoom, so that text is drawn at the resolution it is seen
// at and pictures are enlarged pixel for pixel.
class MainWindow final : public GameWindows, public DisplayWindow {
 public:
  static void registerClasses(HINSTANCE instance);

  // optionsLocation: where the options are kept, which the About window tells.
  MainWindow(HINSTANCE instance, KeyRules& keys, SettingsStore& store, WavePlayer& player,
             RandomSource& random, DisplayStore& displayStore, std::string optionsLocation);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Makes the window and starts the session, which shows it; false when no window could be made.
  bool open(int showCommand);
  HWND handle() const { return window_; }
  PlaySession& session() { return session_; }
  // For tests and tools.
  void setTimer(TimerId timer, bool on) { session_.setTimer(timer, on); }
  void showOptions() { session_.showOptions(); }
  void showAbout() { session_.showAbout(); }
  // The options or About window, while it exists.
  HWND optionsWindow() const;
  HWND aboutWindow() const;

  // A zoom or full-screen key pressed in one of the game's windows: true when it was one, which
  // then never goes further. It acts in the main window only, once per press.
  bool displayKey(const MSG& message);
  // The window at a zoom, or full screen on its monitor, the picture at the zoom there.
  void showZoomed(int zoom, bool fullScreen) override;
  // The client area at the window's resolution and 1x, and how much the frame adds to it.
  PixelSize designSize() const override;
  PixelSize frameSize() const override;
  PixelRect frame() const override;
  void moveFrameTo(int x, int y) override;

  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void restoreDesignedGeometry() override;
  void startTimer(TimerId timer, int intervalMs) override;
  void stopTimer(TimerId timer) override;
  void finishFrame() override;
  // The system's modal box: the session hears of its closing as it returns.
  void showMessage(const std::string& caption, const std::string& text) override;
  void closeMessage() override;
  void padAction(SecondaryWindow window, PadWindowAction action) override;
  void showMainWindow() override;
  void takeKeyboard() override;
  void createWindow(SecondaryWindow window) override;
  void showWindow(SecondaryWindow window) override;
  void hideWindow(SecondaryWindow window) override;
  void destroyWindow(SecondaryWindow window) override;
  void quit() override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void layOutPicture();
  void fitWindowedFrame(bool frameChanged);
  void paintBars(HDC dc);
  int scale() const { return dpi_ * zoom_; }
  void paintLabels(HDC dc);
  // The system's timer woke the game: the timer's firing goes to the session when it is due.
  void timerWoke(TimerId timer);
  void pollPads();
  DesignedWindow* secondary(SecondaryWindow window) const;
  ShownLabel& label(LabelId id);
  void labelChanged(const ShownLabel& label);

  HINSTANCE instance_;
  KeyRules& keys_;
  std::string optionsLocation_;
  std::vector<ShownLabel> labels_;
  std::map<LabelId, size_t> labelIndex_;
  PlayfieldWindow playfield_;
  PlaySession session_;
  HWND window_ = nullptr;
  int showCommand_ = SW_SHOWDEFAULT;
  std::unique_ptr<PictureControl> creditBanner_;
  std::unique_ptr<OptionsWindow> options_;
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<DesignFonts> fonts_;
  // The scale the fonts and pictures were made for.
  int fontsScale_ = 0;
  int dpi_ = 96;
  int zoom_ = 1;
  bool fullScreen_ = false;
  // Where the design lies in the client area: all of it in a window, centred full screen.
  PixelRect picture_;
  WindowMonitor monitor_{window_};
  DisplayController display_;
  // Each timer's ticks keep their designed period on average, whatever the system's timer rounds.
  std::map<TimerId, TickPacer> pacers_;
  XInputPads pads_;
  // While the end-of-level message box is open.
  bool messageShown_ = false;
};
