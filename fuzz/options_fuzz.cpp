// Four arbitrary texts as the stored options: a new game, level setups, music steps, the
// options window's load steps and a few hundred ticks must keep every rule.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_game.h"
#include "play/music.h"
#include "play/options_behaviour.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  FuzzGame f;
  for (const char* key : {"Progression", "Jump", "Crates", "Music"}) {
    // A missing key and a present one are both worth trying.
    if (input.ConsumeBool()) f.store.values[key] = input.ConsumeRandomLengthString(64);
  }
  FakeWavePlayer player;
  Music music(f.store, player);
  PlayControl play(f.keys, f.controls, f.store, music);
  OptionsBehaviour options(f.game, f.store, music, f.controls, play);

  f.game.setUpLevel();
  f.check(true);
  // The sliders' options come first and must lie in their range.
  const std::vector<int> choices = options.loadChoices();
  if (choices[0] < 1 || choices[0] > 10 || choices[1] < 1 || choices[1] > 10) std::abort();
  music.step();
  const std::string musicText = f.store.values["Music"];
  if (musicText != "True" && musicText != "False") std::abort();

  const int ticks = input.ConsumeIntegralInRange(0, 400);
  for (int t = 0; t < ticks; ++t) {
    const uint8_t keys = input.ConsumeIntegral<uint8_t>();
    f.keys.held.clear();
    if (keys & 1) f.keys.held.insert(VirtualKey::Left);
    if (keys & 2) f.keys.held.insert(VirtualKey::Up);
    if (keys & 4) f.keys.held.insert(VirtualKey::Right);
    if (keys & 8) f.keys.held.insert(VirtualKey::Down);
    f.tick();
  }
  music.step();
  return 0;
}
