#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

#include "game/main_window_controls.h"
#include "play/tick_pacer.h"

// The game's three timers on the page's own timers, each kept on its period by the shared pacer,
// and the pads' poll beside them on the same clock. While the page is hidden the game's time
// stands still: no timer fires, no pad is read, and each goes on where it was when the page
// shows again, with no burst of the ticks it missed.
class PageTimers {
 public:
  PageTimers(std::function<void(TimerId)> fired, std::function<void()> padsDue)
      : fired_(std::move(fired)), padsDue_(std::move(padsDue)) {}
  ~PageTimers();
  PageTimers(const PageTimers&) = delete;
  PageTimers& operator=(const PageTimers&) = delete;

  void start(TimerId timer, int intervalMs) { start(static_cast<std::size_t>(timer), intervalMs); }
  void stop(TimerId timer) { stop(static_cast<std::size_t>(timer)); }
  void startPadPoll(int intervalMs) { start(kPadPollSlot, intervalMs); }
  void stopPadPoll() { stop(kPadPollSlot); }
  void freeze();
  void thaw();

 private:
  // The game's timers by their TimerId, then the pads' poll.
  static constexpr std::size_t kPadPollSlot = 3;
  struct Running {
    PageTimers* owner = nullptr;
    std::size_t slot = 0;
    std::optional<TickPacer> pacer;
    long handle = 0;
    bool scheduled = false;
  };
  static void woke(void* running);
  void start(std::size_t slot, int intervalMs);
  void stop(std::size_t slot);
  void schedule(Running& running);
  void cancel(Running& running);

  std::function<void(TimerId)> fired_;
  std::function<void()> padsDue_;
  std::array<Running, kPadPollSlot + 1> timers_{};
  bool frozen_ = false;
};
