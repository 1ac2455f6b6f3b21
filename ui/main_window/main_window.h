#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

#include "design/window_design.h"
#include "game/game.h"
#include "play/music.h"
#include "play/play_control.h"
#include "ui/main_window/playfield_widget.h"

// The main window: the playfield, the labels, the credit banner and the three timers that drive
// the game. It owns the game and gives it the platform's services.
class OptionsWindow;
class AboutWindow;

class MainWindow final : public QWidget, public MainWindowControls {
  Q_OBJECT

 public:
  // The client area's designed place and size at 1x.
  static QRect designGeometry();

  // Creates every control and then lays out the first game, before the window is shown.
  // optionsLocation: where the options are kept on this platform, told in the About window.
  MainWindow(KeyState& keys, SettingsStore& store, WavePlayer& player, RandomSource& random,
             QString optionsLocation = {});
  ~MainWindow() override;

  Game& game() { return game_; }
  // A tick of play as the tick timer runs it: the game's tick, then its frame made ready.
  void playTick();
  PlayControl& playControl() { return playControl_; }
  PlayfieldWidget* playfield() const { return playfield_; }
  QLabel* label(LabelId label) const { return labels_.at(label); }
  QLabel* creditBanner() const { return creditBanner_; }
  QTimer& timer(TimerId timer) { return *timers_.at(timer); }
  bool ended() const { return ended_; }
  // The secondary windows while they exist; each is created at its first showing.
  OptionsWindow* optionsWindow() const;
  AboutWindow* aboutWindow() const;

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

  // Shows the window and its picture enlarged by a whole factor: in a window of that size, or
  // full screen with the picture centred on black. The options window, the About window and the
  // message box open at the same factor.
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
  // Shows the options or About window inside the screen, in front and with the keyboard.
  void showSecondary(QWidget* window);
  // The keys must reach this window again, with or without a window manager to hand it over.
  void takeKeyboard();
  // An options or About window at the current zoom, at its designed place when it has one.
  void zoomSecondary(QWidget* window, const WindowDesign& design);
  void fitWidth(LabelId id);
  void zoomPicture(int zoom, QPoint origin);

  SettingsStore& store_;
  PlayfieldWidget* playfield_;
  std::map<LabelId, QLabel*> labels_;
  std::map<LabelId, int> designWidths_;
  QLabel* creditBanner_;
  std::map<TimerId, QTimer*> timers_;
  Game game_;
  Music music_;
  PlayControl playControl_;
  QString optionsLocation_;
  QPointer<QWidget> options_;
  QPointer<QWidget> about_;
  bool ended_ = false;
  int zoom_ = 1;
  bool fullScreen_ = false;
  QRect picture_{QPoint(), designGeometry().size()};
  QPoint windowedPos_;
};
