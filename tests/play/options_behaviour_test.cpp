#include "play/options_behaviour.h"

#include <gtest/gtest.h>

#include "tests/game/game_fixture.h"

namespace {

class OptionsBehaviourTest : public GameFixture {
 protected:
  FakeWavePlayer player;
  Music music{store, player};
  PlayControl play{keys, controls, store, music};
  OptionsBehaviour options{game, store, music, controls, play};

  void SetUp() override {
    game.setProgression(2);
    game.setJumpSpeed(3);
  }
};

TEST_F(OptionsBehaviourTest, LoadingShowsTheGameStateAndTheStoredBoxes) {
  std::vector<int> c = options.loadChoices();
  EXPECT_EQ(c[0], 2);
  EXPECT_EQ(c[1], 3);
  EXPECT_EQ(c[2], 1);
  EXPECT_EQ(c[3], 1);
  for (const char* text : {"false", "", "True", "FALSE"}) {
    store.values["Crates"] = text;
    store.values["Music"] = text;
    c = options.loadChoices();
    EXPECT_EQ(c[2], 1) << text;
    EXPECT_EQ(c[3], 1) << text;
  }
  store.values["Crates"] = "False";
  store.values["Music"] = "False";
  c = options.loadChoices();
  EXPECT_EQ(c[2], 0);
  EXPECT_EQ(c[3], 0);
}

TEST_F(OptionsBehaviourTest, ValuesOutsideTheSlidersRangeAreHeldToIt) {
  game.setProgression(0);
  game.setJumpSpeed(40);
  const std::vector<int> c = options.loadChoices();
  EXPECT_EQ(c[0], 1);
  EXPECT_EQ(c[1], 10);
}

TEST_F(OptionsBehaviourTest, TheNumberSetButtonsChangeTheGameAndStoreTheDecimalText) {
  options.apply(options::kProgression, 10);
  options.apply(options::kJump, 7);
  EXPECT_EQ(game.progression(), 10);
  EXPECT_EQ(game.jumpSpeed(), 7);
  EXPECT_EQ(store.values["Progression"], "10");
  EXPECT_EQ(store.values["Jump"], "7");
  EXPECT_EQ(store.log, (std::vector<std::string>{"save Progression 10", "save Jump 7"}));
}

TEST_F(OptionsBehaviourTest, TheCrateSetButtonSetsNoCratesAndStoresTrueOrFalse) {
  options.apply(options::kCrates, 0);
  EXPECT_EQ(game.noCrates(), kTrue);
  EXPECT_EQ(store.values["Crates"], "False");
  options.apply(options::kCrates, 1);
  EXPECT_EQ(game.noCrates(), kFalse);
  EXPECT_EQ(store.values["Crates"], "True");
}

TEST_F(OptionsBehaviourTest, MusicOnAfterFalsePlaysNothingNowStartsTheReplayAndStoresTrue) {
  store.values["Music"] = "False";
  options.apply(options::kMusic, 1);
  EXPECT_TRUE(player.played.empty());
  EXPECT_TRUE(controls.timers[TimerId::MusicReplay]);
  EXPECT_EQ(store.values["Music"], "True");
  options.apply(options::kMusic, 1);  // now "True": the music starts again at once
  EXPECT_EQ(player.played.size(), 1u);
}

TEST_F(OptionsBehaviourTest, MusicOnWithAMissingKeyPlaysAtOnce) {
  options.apply(options::kMusic, 1);
  EXPECT_EQ(player.played.size(), 1u);
  EXPECT_EQ(store.log.back(), "save Music True");
}

TEST_F(OptionsBehaviourTest, MusicOffStopsTheReplayAndStoresFalse) {
  controls.timers[TimerId::MusicReplay] = true;
  options.apply(options::kMusic, 0);
  EXPECT_FALSE(controls.timers[TimerId::MusicReplay]);
  EXPECT_TRUE(player.played.empty());
  EXPECT_EQ(store.values["Music"], "False");
}

TEST_F(OptionsBehaviourTest, ResumeHidesThePromptStartsTheTickAndStopsTheListener) {
  options.resumeGame();
  EXPECT_FALSE(controls.visible[LabelId::StartPrompt]);
  EXPECT_EQ(controls.events, (std::vector<std::string>{"tick on", "listener off"}));
  EXPECT_TRUE(player.played.empty());
}

}  // namespace
