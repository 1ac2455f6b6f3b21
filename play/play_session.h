#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/option_rules.h"
#include "play/either_keys.h"
#include "play/game_windows.h"
#include "play/inside_click.h"
#include "play/music.h"
#include "play/options_behaviour.h"
#include "play/pad_mapping.h"
#include "play/play_control.h"
#include "play/wave_player.h"

struct SessionPorts {
  KeyState& keys;
  Playfield& playfield;
  GameWindows& windows;
  SettingsStore& store;
  WavePlayer& player;
  RandomSource& random;
};

// One run of the game under any front-end: it owns the game, the music step, play control and
// the options window's behaviour, and decides when each timer runs, what each firing does, the
// life of the options and About windows, the landing message and the end. The front-end feeds
// it its platform's events and carries out what it asks of the windows.
class PlaySession final : private MainWindowControls {
 public:
  explicit PlaySession(const SessionPorts& ports);
  PlaySession(const PlaySession&) = delete;
  PlaySession& operator=(const PlaySession&) = delete;

  // The designed timers on, the first level laid out, then the main window shown.
  void start();

  void timerFired(TimerId timer);
  // One tick as the tick timer runs it, whatever the timer's switch: for tests and tools.
  void tickNow();
  // The end-of-level message was closed, by OK, Enter, Escape or its own close.
  void messageClosed();
  bool messageOpen() const { return pendingMessage_ != nullptr; }

  // Every pad connected now, read at a poll; a pad missing from the list was removed.
  void padsRead(const PadReadings& pads);
  PadScene padScene() const;

  // The credit banner opens the About window on a press and a release of the left button inside it.
  void creditBannerPressed(bool inside) { bannerClick_.press(inside); }
  void creditBannerReleased(bool inside);

  // What each option's control shows as the options window is made, in the order of
  // options::kAll: a slider's value, or 1 for a ticked box and 0 for a clear one.
  std::vector<int> optionChoices() { return options_.loadChoices(); }
  // The text of a slider's value label for a thumb at value.
  static std::string sliderValueText(int value) { return options::decimalText(value); }
  // A Set button, with its slider's value or its box's 1 or 0.
  void applyOption(const options::Option& option, int value) { options_.apply(option, value); }
  void resumeGamePressed();
  void aboutClosePressed();
  // Closed by its title bar, the keyboard or the system: as its own button, then destroyed.
  void windowClosedOtherwise(SecondaryWindow window);
  bool windowShown(SecondaryWindow window) const { return shown_.at(window); }

  // The main window is closing, by any means: the program ends and the close is never refused.
  void mainWindowClosing() { play_.mainWindowClosing(); }
  bool ended() const { return ended_; }

  bool timerOn(TimerId timer) const override { return timersOn_.at(timer); }
  // Switches a timer as the game's rules do: never on once the game has ended, and a timer that
  // runs keeps its period.
  void setTimer(TimerId timer, bool on) override;
  void showOptions() override;
  void showAbout() override;

  Game& game() { return game_; }
  PlayControl& playControl() { return play_; }

 private:
  void setCaption(LabelId label, const std::string& caption) override;
  void setBackColor(LabelId label, Rgb colour) override;
  void setLabelVisible(LabelId label, bool visible) override;
  void restoreDesignedGeometry() override;
  void showMessage(const std::string& text, std::function<void()> closed) override;
  void endProgram() override;
  void showSecondary(SecondaryWindow window);
  void hideSecondary(SecondaryWindow window);

  GameWindows& windows_;
  PadMapping pads_;
  EitherKeys keys_;
  Game game_;
  Music music_;
  PlayControl play_;
  OptionsBehaviour options_;
  InsideClick bannerClick_;
  std::map<TimerId, bool> timersOn_{
      {TimerId::Tick, false}, {TimerId::Listener, false}, {TimerId::MusicReplay, false}};
  std::map<SecondaryWindow, bool> made_{{SecondaryWindow::Options, false},
                                        {SecondaryWindow::About, false}};
  std::map<SecondaryWindow, bool> shown_{{SecondaryWindow::Options, false},
                                         {SecondaryWindow::About, false}};
  // The shown secondary windows, the one in front last.
  std::vector<SecondaryWindow> frontOrder_;
  bool startPromptVisible_ = true;
  std::function<void()> pendingMessage_;
  bool ended_ = false;
};
