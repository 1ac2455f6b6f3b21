#pragma once

#include <functional>
#include <string>

#include "game/playfield.h"

enum class LabelId { StartPrompt, JumpsCaption, Level, Jumps, Score };
enum class TimerId { Tick, Listener, MusicReplay };

// The main window as the game logic sees it: labels, timers, the modal message, the other
// windows and the end of the program.
class MainWindowControls {
 public:
  virtual ~MainWindowControls() = default;
  virtual void setCaption(LabelId label, const std::string& caption) = 0;
  virtual void setBackColor(LabelId label, Rgb colour) = 0;
  virtual void setLabelVisible(LabelId label, bool visible) = 0;
  virtual void setTimer(TimerId timer, bool on) = 0;
  virtual bool timerOn(TimerId timer) const = 0;
  // Puts the window's outer size and the playfield's place, size and scale back as designed.
  virtual void restoreDesignedGeometry() = 0;
  // An OK-only box captioned with the application title. closed runs once the player has
  // closed it, before the call returns or later; the game does nothing more until then.
  virtual void showMessage(const std::string& text, std::function<void()> closed) = 0;
  virtual void showOptions() = 0;
  virtual void showAbout() = 0;
  // Ends the program at once: no later handler runs.
  virtual void endProgram() = 0;
};
