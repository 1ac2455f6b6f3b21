#include <algorithm>

#include "game/random_draws.h"
#include "tests/game/game_fixture.h"

namespace {

class LevelSetup : public GameFixture {
 protected:
  const GameState& s() { return game.state(); }
};

TEST(RandomDraws, NearestRoundsTheSinglePrecisionProductHalfToEven) {
  EXPECT_EQ(draws::nearest(0.5f, 1), 0);    // 0.5 goes to the even 0
  EXPECT_EQ(draws::nearest(0.75f, 2), 2);   // 1.5 goes to 2
  EXPECT_EQ(draws::nearest(0.625f, 4), 2);  // 2.5 goes to 2
  EXPECT_EQ(draws::nearest(0.999f, 966), 965);
  // The largest value below 1 rounds to the top of the range.
  EXPECT_EQ(draws::nearest(0.99999994f, 966), 966);
}

TEST(RandomDraws, NearestRoundsTheProductToSinglePrecisionFirst) {
  // In double precision these products lie just off the half; in single they are the half.
  const float u1 = 3103785.0f / 16777216.0f;  // x 100 = 18.50000024 in double
  EXPECT_EQ(draws::nearest(u1, 100), 18);
  const float u2 = 1062557.0f / 16777216.0f;  // x 150 = 9.49999988 in double
  EXPECT_EQ(draws::nearest(u2, 150), 10);
}

TEST(RandomDraws, FloorTakesTheDoubleProductWithoutRounding) {
  EXPECT_EQ(draws::floorOf(0.99999994f, 101, 75), 175);
  EXPECT_EQ(draws::floorOf(0.0f, 101, 75), 75);
  EXPECT_EQ(draws::floorOf(0.5f, 100), 50);
  EXPECT_EQ(draws::floorOf(0.7f, 3), 2);
}

TEST_F(LevelSetup, MakesTheTenDrawsInOrderWithTheirConversions) {
  // Draw 8 is 0.02 * 100 = 2: even, so draws 9 and 10 place a crate.
  random.values = {0.5f, 0.5f, 0.25f, 0.5f, 0.99999994f, 0.1f, 0.9f, 0.02f, 0.5f, 0.99999994f};
  game.setUpLevel();
  EXPECT_EQ(s().playerX, 483);
  EXPECT_EQ(s().playerY, 175);
  EXPECT_EQ(s().gapLeft, 238);  // 237.5 goes to the even 238
  EXPECT_EQ(s().ledgeY, 650);
  EXPECT_EQ(s().gapRight, 238 + 175);
  EXPECT_EQ(s().cloudX, 75);
  EXPECT_EQ(s().cloudY, 135);
  EXPECT_EQ(s().crateShown, kTrue);
  EXPECT_EQ(s().crateY, 324);  // floor(0.5 * 649)
  EXPECT_EQ(s().crateX, 966);
  EXPECT_TRUE(random.values.empty());
}

TEST_F(LevelSetup, DrawsTheLedgeWithItsGapOpenInTheForeColour) {
  random.values = {0.5f, 0.5f, 0.9f, 0.5f, 0.0f, 0.5f, 0.5f, 0.01f};
  game.setUpLevel();
  EXPECT_EQ(playfield.log,
            (std::vector<std::string>{"line 0 650 855 650 fore", "line 930 650 1000 650 fore"}));
}

TEST_F(LevelSetup, AnOddCrateTestPlacesNoCrateAndMakesNoFurtherDraw) {
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};  // 1: odd
  game.setUpLevel();
  EXPECT_EQ(s().crateShown, kFalse);
  EXPECT_TRUE(random.values.empty());
}

TEST_F(LevelSetup, CratesStoredAsFalseSkipTheCrateStepAndKeepAnOldCrate) {
  store.values["Crates"] = "False";
  game.state().crateShown = kTrue;
  game.state().crateX = 12;
  game.state().crateY = 34;
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
  game.setUpLevel();
  EXPECT_EQ(s().crateShown, kTrue);
  EXPECT_EQ(s().crateX, 12);
  EXPECT_EQ(s().crateY, 34);
  EXPECT_TRUE(random.values.empty());
}

TEST_F(LevelSetup, OnlyTheExactTextFalseSwitchesCratesOff) {
  for (const char* text : {"false", "FALSE", "False ", "", "True"}) {
    store.values["Crates"] = text;
    game.state().keepProgress = 0;
    random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.02f, 0.5f, 0.5f};
    game.setUpLevel();
    EXPECT_EQ(s().crateShown, kTrue) << '"' << text << '"';
  }
}

TEST_F(LevelSetup, NoCratesFromTheOptionsWindowClearsTheCrateWithoutADraw) {
  game.state().noCrates = kTrue;
  game.state().crateShown = kTrue;
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
  game.setUpLevel();
  EXPECT_EQ(s().crateShown, kFalse);
  EXPECT_TRUE(random.values.empty());
}

TEST_F(LevelSetup, SetsTheLabelsColoursAndCaptionsAndConsumesAPendingSpace) {
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};
  game.setUpLevel();
  EXPECT_EQ(controls.backColours[LabelId::StartPrompt], (Rgb{0, 153, 255}));
  for (LabelId l : {LabelId::JumpsCaption, LabelId::Level, LabelId::Jumps})
    EXPECT_EQ(controls.backColours[l], (Rgb{0, 255, 102}));
  EXPECT_EQ(controls.captions[LabelId::Level], "1");
  EXPECT_EQ(controls.captions[LabelId::Jumps], "5");
  EXPECT_EQ(keys.queries, (std::vector<VirtualKey>{VirtualKey::Space}));
  EXPECT_EQ(s().keepProgress, 0);
}

TEST_F(LevelSetup, AWonLevelSkipsTheFullResetAndKeepsTheCounters) {
  GameState& st = game.state();
  st.keepProgress = 1;
  st.level = 4;
  st.jumps = 17;
  st.score = 900;
  st.dropSpeed = 7;
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};
  game.setUpLevel();
  EXPECT_EQ(st.keepProgress, 0);
  EXPECT_EQ(st.score, 900);
  EXPECT_EQ(st.dropSpeed, 7);
  EXPECT_EQ(controls.captions[LabelId::Level], "4");
  EXPECT_EQ(controls.captions[LabelId::Jumps], "17");
  EXPECT_EQ(controls.geometryRestores, 0);
}

TEST_F(LevelSetup, TheFirstSetupResetsTheGameAndSwitchesTheTickOff) {
  controls.timers[TimerId::Tick] = true;
  random.values = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.01f};
  game.setUpLevel();
  const GameState& st = s();
  EXPECT_EQ(st.progression, 2);
  EXPECT_EQ(st.jumpSpeed, 3);
  EXPECT_EQ(st.dropSpeed, 1);
  EXPECT_EQ(st.level, 1);
  EXPECT_EQ(st.jumps, 5);
  EXPECT_EQ(st.score, 0);
  EXPECT_EQ(controls.captions[LabelId::Score], "0");
  EXPECT_FALSE(controls.timers[TimerId::Tick]);
  EXPECT_EQ(controls.geometryRestores, 1);
}

TEST_F(LevelSetup, ALaterResetLeavesTheTickRunningAndReadsTheStoreAgain) {
  controls.timers[TimerId::Tick] = true;
  game.state().dropSpeed = 9;
  store.values["Progression"] = "7";
  store.values["Jump"] = "10";
  game.startNewGame();
  EXPECT_TRUE(controls.timers[TimerId::Tick]);
  EXPECT_EQ(s().progression, 7);
  EXPECT_EQ(s().jumpSpeed, 10);
  // A filled key is read twice: once to test it, once for the value.
  EXPECT_EQ(std::count(store.log.begin(), store.log.end(), "get Progression"), 2);
}

}  // namespace
