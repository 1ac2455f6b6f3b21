#include "play/options_behaviour.h"

#include <algorithm>

namespace {

int16_t sliderRange(int value) {
  return static_cast<int16_t>(
      std::clamp(value, int{options::kSliderMin}, int{options::kSliderMax}));
}

}  // namespace

std::vector<int> OptionsBehaviour::loadChoices() {
  std::vector<int> choices;
  for (const options::Option* option : options::kAll) choices.push_back(load(*option));
  return choices;
}

int OptionsBehaviour::load(const options::Option& option) {
  if (&option == &options::kProgression) return sliderRange(game_.progression());
  if (&option == &options::kJump) return sliderRange(game_.jumpSpeed());
  // The boxes show the stored options, not the game state.
  if (option.reading == options::Reading::TickBox) return options::readTicked(store_, option);
  return options::readWholeNumber(store_, option);
}

void OptionsBehaviour::apply(const options::Option& option, int value) {
  const std::string key(option.key);
  if (option.reading == options::Reading::WholeNumber) {
    const int16_t number = sliderRange(value);
    if (&option == &options::kProgression) game_.setProgression(number);
    if (&option == &options::kJump) game_.setJumpSpeed(number);
    store_.save(key, options::decimalText(number));
    return;
  }
  const bool ticked = value != 0;
  if (&option == &options::kCrates) game_.setNoCrates(ticked ? kFalse : kTrue);
  if (&option == &options::kMusic) {
    // The music step still sees the text stored before: after "False" it plays nothing now and
    // the replay timer starts the music later.
    if (ticked) music_.step();
    main_.setTimer(TimerId::MusicReplay, ticked);
  }
  store_.save(key, options::tickText(ticked));
}

void OptionsBehaviour::resumeGame() { play_.resumeFromOptions(); }
