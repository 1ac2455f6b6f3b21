#pragma once

#include <string>

#include "game/main_window_controls.h"
#include "game/playfield.h"
#include "play/pad_input.h"

// The options and About windows, which the main window opens over the game.
enum class SecondaryWindow { Options, About };

// The game's windows as a front-end makes them on its platform. The session decides when each
// call comes; the front-end only carries it out and reports back what the player did.
class GameWindows {
 public:
  virtual ~GameWindows() = default;

  virtual void setCaption(LabelId label, const std::string& caption) = 0;
  virtual void setBackColor(LabelId label, Rgb colour) = 0;
  virtual void setLabelVisible(LabelId label, bool visible) = 0;
  // Puts the window's outer size and the playfield's place, size and scale back as designed.
  virtual void restoreDesignedGeometry() = 0;

  // Each firing of a started timer is reported to the session; a start never comes for a
  // timer that runs.
  virtual void startTimer(TimerId timer, int intervalMs) = 0;
  virtual void stopTimer(TimerId timer) = 0;

  // What the tick drew reaches the screen now, not at some later paint.
  virtual void finishFrame() = 0;
  // An OK-only message with no icon. It may block until it is closed or return at once; either
  // way the front-end reports its closing, by any means, to the session exactly once.
  virtual void showMessage(const std::string& caption, const std::string& text) = 0;

  // Closes the open end-of-level message as its OK button does; the closing is reported as any.
  virtual void closeMessage() = 0;
  // A pad's move or press in a shown secondary window, carried out on its focused control as
  // the windows' pad rule says (padFocusStep).
  virtual void padAction(SecondaryWindow window, PadWindowAction action) = 0;

  virtual void showMainWindow() = 0;
  // The keyboard goes back to the main window's playfield.
  virtual void takeKeyboard() = 0;

  // A secondary window is made before its first showing and after it was destroyed; hiding
  // keeps it, with what its controls hold, for the next showing.
  virtual void createWindow(SecondaryWindow window) = 0;
  virtual void showWindow(SecondaryWindow window) = 0;
  virtual void hideWindow(SecondaryWindow window) = 0;
  virtual void destroyWindow(SecondaryWindow window) = 0;

  // Ends the program's event loop at once: no later handler runs.
  virtual void quit() = 0;
};
