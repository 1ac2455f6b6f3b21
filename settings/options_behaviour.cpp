#include "settings/options_behaviour.h"

#include <algorithm>

#include "settings/option_rules.h"

namespace {

int16_t sliderRange(int value) {
  return static_cast<int16_t>(
      std::clamp(value, int{options::kSliderMin}, int{options::kSliderMax}));
}

}  // namespace

OptionsChoices OptionsBehaviour::Form_Load() {
  // The boxes show the stored options, not the game state.
  return OptionsChoices{sliderRange(game_.progression()), sliderRange(game_.jumpSpeed()),
                        store_.get(options::kCratesKey) != options::kFalseText,
                        store_.get(options::kMusicKey) != options::kFalseText};
}

void OptionsBehaviour::cmdProgression_Click(int sliderValue) {
  game_.setProgression(sliderRange(sliderValue));
  store_.save(options::kProgressionKey, options::decimalText(game_.progression()));
}

void OptionsBehaviour::cmdJump_Click(int sliderValue) {
  game_.setJumpSpeed(sliderRange(sliderValue));
  store_.save(options::kJumpKey, options::decimalText(game_.jumpSpeed()));
}

void OptionsBehaviour::cmdCrate_Click(bool ticked) {
  game_.setNoCrates(ticked ? kFalse : kTrue);
  store_.save(options::kCratesKey, ticked ? options::kTrueText : options::kFalseText);
}

void OptionsBehaviour::cmdMusic_Click(bool ticked) {
  // The music step still sees the text stored before: after "False" it plays nothing now and
  // the replay timer starts the music later.
  if (ticked) {
    music_.PlayMusic();
    main_.setTimer(TimerId::tmrMusic, true);
  } else {
    main_.setTimer(TimerId::tmrMusic, false);
  }
  store_.save(options::kMusicKey, ticked ? options::kTrueText : options::kFalseText);
}

void OptionsBehaviour::cmdResume_Click() {
  main_.setLabelVisible(LabelId::Label1, false);
  main_.setTimer(TimerId::Timer1, true);
  main_.setTimer(TimerId::tmrListen, false);
}
