#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

#include "design/window_design.h"
#include "play/play_session.h"
#include "ui/main_window/playfield_widget.h"

// The main window: the playfield, the labels, the credit banner and the three timers, made with
// Qt for the play session, which it owns and feeds with the window's events.
class OptionsWindow;
class AboutWindow;

class MainWindow final : public QWidget, public GameWindows {
  Q_OBJECT

 public:
  // The client area's designed place and size at 1x.
  static QRect designGeometry();

  // Creates every control; start() then lays out the first game and shows the window.
  // optionsLocation: where the options are kept on this platform, told in the About window.
  MainWindow(KeyState& keys, SettingsStore& store, WavePlayer& player, RandomSource& random,
             QString optionsLocation = {});
  ~MainWindow() override;

  void start() { session_.start(); }
  PlaySession& session() { return session_; }
  Game& game() { return session_.game(); }
  // One tick as the tick timer runs it, whatever the timer's switch: for tests and tools.
  void playTick() { session_.tickNow(); }
  PlayControl& playControl() { return session_.playControl(); }
  void setTimer(TimerId timer, bool on) { session_.setTimer(timer, on); }
  bool timerOn(TimerId timer) const { return session_.timerOn(timer); }
  void showOptions() { session_.showOptions(); }
  void showAbout() { session_.showAbout(); }
  PlayfieldWidget* playfield() const { return playfield_; }
  QLabel* label(LabelId label) const { return labels_.at(label); }
  QLabel* creditBanner() const { return creditBanner_; }
  QTimer& timer(TimerId timer) { return *timers_.at(timer); }
  bool ended() const { return session_.ended(); }
  // The secondary windows while they exist; each is created at its first showing.
  OptionsWindow* optionsWindow() const;
  AboutWindow* aboutWindow() const;

  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void restoreDesignedGeometry() override;
  void startTimer(TimerId timer, int intervalMs) override;
  void stopTimer(TimerId timer) override;
  void finishFrame() override;
  // A modal box: the session hears of its closing as it returns.
  void showMessage(const std::string& caption, const std::string& text) override;
  void closeMessage() override;
  void padAction(SecondaryWindow window, PadWindowAction action) override;
  void showMainWindow() override;
  // The keys must reach this window again, with or without a window manager to hand it over.
  void takeKeyboard() override;
  void createWindow(SecondaryWindow window) override;
  void showWindow(SecondaryWindow window) override;
  void hideWindow(SecondaryWindow window) override;
  void destroyWindow(SecondaryWindow window) override;
  void quit() override;

  // Shows the window and its picture enlarged by a whole factor: in a window of that size where
  // it is, or covering its screen with the picture centred on black. The options window, the
  // About window and the message box open at the same factor.
  void showZoomed(int zoom, bool fullScreen);
  int zoom() const { return zoom_; }
  bool isFullScreenPicture() const { return fullScreen_; }
  // Where the picture lies in the window.
  QRect pictureRect() const { return picture_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* secondary(SecondaryWindow window) const;
  // An options or About window at the current zoom, at its designed place when it has one.
  void zoomSecondary(QWidget* window, const WindowDesign& design);
  void fitWidth(LabelId id);
  void zoomPicture(int zoom, QPoint origin);

  PlayfieldWidget* playfield_;
  std::map<LabelId, QLabel*> labels_;
  std::map<LabelId, int> designWidths_;
  QLabel* creditBanner_;
  std::map<TimerId, QTimer*> timers_;
  PlaySession session_;
  QString optionsLocation_;
  QPointer<QWidget> options_;
  QPointer<QWidget> about_;
  int zoom_ = 1;
  bool fullScreen_ = false;
  QRect picture_{QPoint(), designGeometry().size()};
};
