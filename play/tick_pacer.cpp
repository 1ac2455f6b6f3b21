#include "play/tick_pacer.h"

bool TickPacer::wake(std::int64_t nowUs) {
  if (nowUs < dueUs_) return false;
  dueUs_ += periodUs_;
  if (nowUs >= dueUs_) dueUs_ = nowUs + periodUs_;
  return true;
}

unsigned TickPacer::waitMs(std::int64_t nowUs) const {
  const std::int64_t leftUs = dueUs_ - nowUs;
  if (leftUs <= 1000) return 1;
  return static_cast<unsigned>((leftUs + 999) / 1000);
}
