// A byte string as a key script: each byte holds the seven keys of one tick, for up to 10,000
// ticks; the options change now and then as the options window would change them.
#include "fuzz/fuzz_game.h"

namespace {

constexpr size_t kMaxTicks = 10'000;
constexpr VirtualKey kTickKeys[] = {VirtualKey::Left,  VirtualKey::Up,        VirtualKey::Right,
                                    VirtualKey::Down,  VirtualKey::Backspace, VirtualKey::F1,
                                    VirtualKey::Escape};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzGame f;
  f.game.setUpLevel();
  f.check(true);
  for (size_t t = 0; t < size && t < kMaxTicks; ++t) {
    const uint8_t byte = data[t];
    f.keys.held.clear();
    for (int bit = 0; bit < 7; ++bit)
      if (byte & (1 << bit)) f.keys.held.insert(kTickKeys[bit]);
    // The eighth bit sets the two numbers from the sliders' range, as their Set buttons do.
    if (byte & 0x80) {
      f.game.setProgression(static_cast<int16_t>(1 + byte % 10));
      f.game.setJumpSpeed(static_cast<int16_t>(1 + (byte >> 3) % 10));
      f.game.setNoCrates(byte & 1 ? kTrue : kFalse);
    }
    f.tick();
    if (f.controls.ended) break;  // Escape ends the program
  }
  return 0;
}
