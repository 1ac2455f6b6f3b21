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
  OptionsChoices c = options.loadChoices();
  EXPECT_EQ(c.progression, 2);
  EXPECT_EQ(c.jump, 3);
  EXPECT_TRUE(c.cratesTicked);
  EXPECT_TRUE(c.musicTicked);
  for (const char* text : {"false", "", "True", "FALSE"}) {
    store.values["Crates"] = text;
    store.values["Music"] = text;
    c = options.loadChoices();
    EXPECT_TRUE(c.cratesTicked) << text;
    EXPECT_TRUE(c.musicTicked) << text;
  }
  store.values["Crates"] = "False";
  store.values["Music"] = "False";
  c = options.loadChoices();
  EXPECT_FALSE(c.cratesTicked);
  EXPECT_FALSE(c.musicTicked);
}

TEST_F(OptionsBehaviourTest, ValuesOutsideTheSlidersRangeAreHeldToIt) {
  game.setProgression(0);
  game.setJumpSpeed(40);
  const OptionsChoices c = options.loadChoices();
  EXPECT_EQ(c.progression, 1);
  EXPECT_EQ(c.jump, 10);
}

TEST_F(OptionsBehaviourTest, TheNumberSetButtonsChangeTheGameAndStoreTheDecimalText) {
  options.applyProgression(10);
  options.applyJump(7);
  EXPECT_EQ(game.progression(), 10);
  EXPECT_EQ(game.jumpSpeed(), 7);
  EXPECT_EQ(store.values["Progression"], "10");
  EXPECT_EQ(store.values["Jump"], "7");
  EXPECT_EQ(store.log, (std::vector<std::string>{"save Progression 10", "save Jump 7"}));
}

TEST_F(OptionsBehaviourTest, TheCrateSetButtonSetsNoCratesAndStoresTrueOrFalse) {
  options.applyCrates(false);
  EXPECT_EQ(game.noCrates(), kTrue);
  EXPECT_EQ(store.values["Crates"], "False");
  options.applyCrates(true);
  EXPECT_EQ(game.noCrates(), kFalse);
  EXPECT_EQ(store.values["Crates"], "True");
}

TEST_F(OptionsBehaviourTest, MusicOnAfterFalsePlaysNothingNowStartsTheReplayAndStoresTrue) {
  store.values["Music"] = "False";
  options.applyMusic(true);
  EXPECT_TRUE(player.played.empty());
  EXPECT_TRUE(controls.timers[TimerId::MusicReplay]);
  EXPECT_EQ(store.values["Music"], "True");
  options.applyMusic(true);  // now "True": the music starts again at once
  EXPECT_EQ(player.played.size(), 1u);
}

TEST_F(OptionsBehaviourTest, MusicOnWithAMissingKeyPlaysAtOnce) {
  options.applyMusic(true);
  EXPECT_EQ(player.played.size(), 1u);
  EXPECT_EQ(store.log.back(), "save Music True");
}

TEST_F(OptionsBehaviourTest, MusicOffStopsTheReplayAndStoresFalse) {
  controls.timers[TimerId::MusicReplay] = true;
  options.applyMusic(false);
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
