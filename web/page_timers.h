#pragma once

#include <array>
#include <functional>
#include <optional>

#include "game/main_window_controls.h"
#include "play/tick_pacer.h"

// The game's three timers on the page's own timers, each kept on its period by the shared pacer.
// While the page is hidden the game's time stands still: no timer fires, and each goes on where
// it was when the page shows again, with no burst of the ticks it missed.
class PageTimers {
 public:
  explicit PageTimers(std::function<void(TimerId)> fired) : fired_(std::move(fired)) {}
  ~PageTimers();
  PageTimers(const PageTimers&) = delete;
  PageTimers& operator=(const PageTimers&) = delete;

  void start(TimerId timer, int intervalMs);
  void stop(TimerId timer);
  void freeze();
  void thaw();

 private:
  struct Running {
    PageTimers* owner = nullptr;
    TimerId id = TimerId::Tick;
    std::optional<TickPacer> pacer;
    long handle = 0;
    bool scheduled = false;
  };
  static void woke(void* running);
  void schedule(Running& running);
  void cancel(Running& running);

  std::function<void(TimerId)> fired_;
  std::array<Running, 3> timers_{};
  bool frozen_ = false;
};
