#include "play/options_behaviour.h"

#include <algorithm>

#include "game/option_rules.h"

namespace {

int16_t sliderRange(int value) {
  return static_cast<int16_t>(
      std::clamp(value, int{options::kSliderMin}, int{options::kSliderMax}));
}

}  // namespace

OptionsChoices OptionsBehaviour::loadChoices() {
  // The boxes show the stored options, not the game state.
  return OptionsChoices{sliderRange(game_.progression()), sliderRange(game_.jumpSpeed()),
                        store_.get(options::kCratesKey) != options::kFalseText,
                        store_.get(options::kMusicKey) != options::kFalseText};
}

void OptionsBehaviour::applyProgression(int sliderValue) {
  game_.setProgression(sliderRange(sliderValue));
  store_.save(options::kProgressionKey, options::decimalText(game_.progression()));
}

void OptionsBehaviour::applyJump(int sliderValue) {
  game_.setJumpSpeed(sliderRange(sliderValue));
  store_.save(options::kJumpKey, options::decimalText(game_.jumpSpeed()));
}

void OptionsBehaviour::applyCrates(bool ticked) {
  game_.setNoCrates(ticked ? kFalse : kTrue);
  store_.save(options::kCratesKey, ticked ? options::kTrueText : options::kFalseText);
}

void OptionsBehaviour::applyMusic(bool ticked) {
  // The music step still sees the text stored before: after "False" it plays nothing now and
  // the replay timer starts the music later.
  if (ticked) {
    music_.step();
    main_.setTimer(TimerId::MusicReplay, true);
  } else {
    main_.setTimer(TimerId::MusicReplay, false);
  }
  store_.save(options::kMusicKey, ticked ? options::kTrueText : options::kFalseText);
}

void OptionsBehaviour::resumeGame() { play_.resumeFromOptions(); }
