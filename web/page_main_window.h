#pragma once

#include <map>
#include <memory>
#include <vector>

#include "play/key_rules.h"
#include "play/play_session.h"
#include "web/canvas_playfield.h"
#include "web/page_fonts.h"
#include "web/page_keys.h"
#include "web/page_label.h"
#include "web/page_pads.h"
#include "web/page_pictures.h"
#include "web/page_timers.h"
#include "web/page_window.h"

// The main window is the page: the playfield with its labels, the score and the credit banner on
// one canvas, made for the play session, which it owns and feeds with the page's events; the
// options and About windows are in-page windows, the message a modal dialog. The whole game is
// laid out at a whole number of device pixels per design pixel.
class PageMainWindow final : public GameWindows {
 public:
  PageMainWindow(SettingsStore& store, WavePlayer& player, RandomSource& random,
                 PagePictures& pictures, PageFonts& fonts);
  ~PageMainWindow() override;
  PageMainWindow(const PageMainWindow&) = delete;
  PageMainWindow& operator=(const PageMainWindow&) = delete;

  // The pads are read from the start until the game ends.
  void start() {
    timers_.startPadPoll(kPadPollIntervalMs);
    session_.start();
  }
  PlaySession& session() { return session_; }

  // The page's events. A key's return says whether the browser is to do nothing of its own.
  bool keyDown(unsigned int keyCode, KeyModifiers modifiers, bool autoRepeat);
  bool keyUp(unsigned int keyCode);
  void touchKey(VirtualKey key, bool down);
  void focusLost() { keys_.focusLost(); }
  void pageHidden(bool hidden);
  void layOut();
  void controlPressed(int window, int control);
  void sliderMoved(int window, int control);
  void windowClosed(int window);
  void bannerPressed(bool down, bool inside);
  void showMenu(double x, double y);
  void toggleFullScreen();
  void messageClosed() { session_.messageClosed(); }

  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void restoreDesignedGeometry() override;
  void startTimer(TimerId timer, int intervalMs) override { timers_.start(timer, intervalMs); }
  void stopTimer(TimerId timer) override { timers_.stop(timer); }
  void finishFrame() override;
  // A modal dialog on the page, which returns at once; its closing is reported later.
  void showMessage(const std::string& caption, const std::string& text) override;
  void closeMessage() override;
  void padAction(SecondaryWindow window, PadWindowAction action) override;
  void showMainWindow() override;
  void takeKeyboard() override;
  void createWindow(SecondaryWindow window) override;
  void showWindow(SecondaryWindow window) override;
  void hideWindow(SecondaryWindow window) override;
  void destroyWindow(SecondaryWindow window) override;
  // The page says the game has ended, with a way to start it again.
  void quit() override;

 private:
  PageLabel& label(LabelId id);
  void labelChanged(const PageLabel& label);
  void changed();
  static void drawSoon(double, void* self);
  void draw();
  void placeWindow(SecondaryWindow window);
  PageWindow* secondary(SecondaryWindow window) const;
  KeyPlace keyPlace(std::optional<ControlKind>& control) const;
  void showValue(const options::Option& option);
  void loadChoices();

  PagePictures& pictures_;
  PageFonts& fonts_;
  KeyRules keys_;
  std::vector<PageLabel> labels_;
  CanvasPlayfield playfield_;
  PagePads pads_;
  PageTimers timers_;
  PlaySession session_;
  std::map<SecondaryWindow, std::unique_ptr<PageWindow>> windows_;
  int scale_ = 1;
  double ratio_ = 1;
  // Where the stage lies on the page, in CSS pixels.
  double stageX_ = 0;
  double stageY_ = 0;
  bool shown_ = false;
  bool chromeValid_ = false;
  bool drawPending_ = false;
  long frameRequest_ = 0;
  bool fullScreen_ = false;
  bool drawn_ = false;
  bool ended_ = false;
};
