#include <algorithm>

#include "tests/game/game_fixture.h"

namespace {

class GameTick : public GameFixture {
 protected:
  void SetUp() override { stageLevel(); }
  const GameState& s() { return game.state(); }
};

TEST_F(GameTick, PollsTheSevenKeysOnceEachInTheirOrderAfterTakingTheFocus) {
  tick();
  EXPECT_EQ(keys.queries, (std::vector<VirtualKey>{
                              VirtualKey::Left, VirtualKey::Up, VirtualKey::Right, VirtualKey::Down,
                              VirtualKey::Backspace, VirtualKey::F1, VirtualKey::Escape}));
  EXPECT_EQ(playfield.log.front(), "focus");
}

TEST_F(GameTick, DrawsTheFrameInOrderOverAFreshRepaint) {
  tick();
  EXPECT_EQ(playfield.log,
            (std::vector<std::string>{"focus", "repaint", "paint monkeyDown 400 101",
                                      "line 0 800 400 800 fore", "line 500 800 1000 800 fore",
                                      "paint cloud 299 50"}));
}

TEST_F(GameTick, DescendsByDropSpeedAndMovesWithTheArrows) {
  game.state().dropSpeed = 3;
  tick({VirtualKey::Down, VirtualKey::Left});
  EXPECT_EQ(s().playerY, 100 + 10 + 3);
  EXPECT_EQ(s().playerX, 396);
  tick({VirtualKey::Right});
  EXPECT_EQ(s().playerX, 400);
  tick({VirtualKey::Left, VirtualKey::Right});
  EXPECT_EQ(s().playerX, 400);
}

TEST_F(GameTick, AJumpLiftsByDropSpeedTimesJumpSpeedPlusFifteenAndSpendsOne) {
  game.state().dropSpeed = 4;
  tick({VirtualKey::Up});
  EXPECT_EQ(s().jumps, 4);
  EXPECT_EQ(s().playerY, 100 - 4 * 3 - 15 + 4);
  EXPECT_EQ(controls.captions[LabelId::Jumps], "4");
}

TEST_F(GameTick, UpWithNoJumpsLeftDoesNotMoveButRewritesTheLabel) {
  game.state().jumps = 0;
  tick({VirtualKey::Up});
  EXPECT_EQ(s().jumps, 0);
  EXPECT_EQ(s().playerY, 101);
  EXPECT_EQ(controls.captions[LabelId::Jumps], "0");
}

TEST_F(GameTick, HoldingUpSpendsOneJumpEveryTickUntilNoneAreLeft) {
  for (int i = 0; i < 7; ++i) tick({VirtualKey::Up});
  EXPECT_EQ(s().jumps, 0);
}

TEST_F(GameTick, TheClampHoldsThePlayerBetweenMinusOneAnd966) {
  game.state().playerX = -1;
  tick({VirtualKey::Left});
  EXPECT_EQ(s().playerX, -1);
  game.state().playerX = 966;
  tick({VirtualKey::Right});
  EXPECT_EQ(s().playerX, 966);
  game.state().playerX = 1;
  tick({VirtualKey::Left});
  EXPECT_EQ(s().playerX, -1);  // -3 is brought back in the same tick
}

TEST_F(GameTick, ThePlayerMayRiseAboveThePlayfield) {
  game.state().playerY = 5;
  tick({VirtualKey::Up});
  EXPECT_EQ(s().playerY, 5 - 3 - 15 + 1);
}

TEST_F(GameTick, ThePoseFlipsOnThe25thTickFromStartAndThenEvery24th) {
  GameState& st = game.state();
  st.frameTicks = 0;
  st.playerY = -10000;  // far from the ledge for the whole run
  std::vector<int> flips;
  for (int t = 1; t <= 80; ++t) {
    playfield.log.clear();
    tick();
    bool white = std::any_of(playfield.log.begin(), playfield.log.end(), [](const auto& l) {
      return l.find("255,255,255") != std::string::npos;
    });
    if (white) flips.push_back(t);
    EXPECT_GE(st.frameTicks, 0);
    EXPECT_LE(st.frameTicks, 24);
  }
  EXPECT_EQ(flips, (std::vector<int>{25, 49, 73}));
  EXPECT_EQ(st.poseUp, kTrue);  // three flips from False
}

TEST_F(GameTick, AFlipDrawsTheWhiteLinesOneUnitAboveTheLedgeBeforeThePlayer) {
  game.state().frameTicks = 24;
  tick();
  EXPECT_EQ(playfield.log[2], "line 0 799 400 799 255,255,255");
  EXPECT_EQ(playfield.log[3], "line 500 799 1000 799 255,255,255");
  EXPECT_EQ(playfield.log[4], "paint monkeyUp 400 101");
  EXPECT_EQ(s().frameTicks, 1);
}

TEST_F(GameTick, TheCloudTurnsOnlyBeyond750AndBelow10) {
  GameState& st = game.state();
  st.playerY = -10000;
  st.cloudRight = kTrue;
  st.cloudX = 749;
  tick();
  EXPECT_EQ(st.cloudX, 750);
  EXPECT_EQ(st.cloudRight, kTrue);
  tick();
  EXPECT_EQ(st.cloudX, 751);
  EXPECT_EQ(st.cloudRight, kFalse);
  st.cloudX = 11;
  tick();
  EXPECT_EQ(st.cloudX, 10);
  EXPECT_EQ(st.cloudRight, kFalse);
  tick();
  EXPECT_EQ(st.cloudX, 9);
  EXPECT_EQ(st.cloudRight, kTrue);
}

// The pickup box: px in (crateX-8, crateX+42), py in (crateY-8, crateY+43), all strict.
TEST_F(GameTick, TheCrateBoxExcludesItsFourBorders) {
  struct Case {
    int px, py;
    bool pickup;
  };
  const int cx = 300, cy = 300;
  const Case cases[] = {{cx - 8, cy + 10, false},  {cx - 7, cy + 10, true},
                        {cx + 42, cy + 10, false}, {cx + 41, cy + 10, true},
                        {cx + 10, cy - 8, false},  {cx + 10, cy - 7, true},
                        {cx + 10, cy + 43, false}, {cx + 10, cy + 42, true}};
  for (const Case& c : cases) {
    stageLevel();
    GameState& st = game.state();
    st.crateShown = kTrue;
    st.crateX = cx;
    st.crateY = cy;
    st.score = 0;
    st.dropSpeed = 0;  // keep playerY where the case puts it
    st.playerX = c.px - 34;
    st.playerY = c.py - 36;
    tick();
    EXPECT_EQ(st.crateShown == kFalse, c.pickup) << c.px << "," << c.py;
    EXPECT_EQ(st.jumps, c.pickup ? 10 : 5);
    EXPECT_EQ(st.score, c.pickup ? 100 : 0);
  }
}

TEST_F(GameTick, APickupRewritesJumpsAndScoreAndTheCrateIsNotPaintedAgain) {
  GameState& st = game.state();
  st.crateShown = kTrue;
  st.crateX = 400;
  st.crateY = 110;
  tick();
  EXPECT_EQ(controls.captions[LabelId::Jumps], "10");
  EXPECT_EQ(controls.captions[LabelId::Score], "100");
  EXPECT_EQ(playfield.log.back(), "paint crate 400 110");
  playfield.log.clear();
  tick();
  EXPECT_TRUE(std::none_of(playfield.log.begin(), playfield.log.end(),
                           [](const auto& l) { return l.find("crate") != std::string::npos; }));
}

TEST_F(GameTick, EqualToTheLedgeIsNoLandingAndOneUnitMoreIs) {
  GameState& st = game.state();
  st.playerY = 800 - 50 - 1;  // after the descent, playerY + 50 == ledgeY
  tick();
  EXPECT_TRUE(controls.messages.empty());
  queueLandingAndSetup();
  tick();
  EXPECT_EQ(controls.messages.size(), 1u);
}

TEST_F(GameTick, TheGapIncludesBothEnds) {
  for (int x : {400 - 34, 500 - 34, 399 - 34, 501 - 34}) {
    stageLevel();
    controls.messages.clear();
    game.state().playerX = static_cast<int16_t>(x);
    game.state().playerY = 760;
    queueLandingAndSetup();
    tick();
    ASSERT_EQ(controls.messages.size(), 1u);
    const bool won = controls.messages[0].rfind("Winner!", 0) == 0;
    EXPECT_EQ(won, x == 366 || x == 466) << x;
  }
}

TEST_F(GameTick, AWinShowsTheNextRoundAndCarriesTheGameOn) {
  GameState& st = game.state();
  st.level = 3;
  st.playerY = 760;
  st.playerX = 420;
  queueLandingAndSetup(0.5f);  // R = 50: B = 150 * 2 = 300, 300 / 3 + 5 = 105
  tick();
  EXPECT_EQ(controls.messages.at(0), "Winner! Press 'Enter' for round 4. Score: 105");
  EXPECT_EQ(st.score, 105);
  EXPECT_EQ(st.level, 4);
  EXPECT_EQ(st.jumps, 10);
  EXPECT_EQ(st.dropSpeed, 3);
  EXPECT_EQ(st.keepProgress, 0);
  EXPECT_EQ(controls.captions[LabelId::Level], "4");
  EXPECT_EQ(controls.captions[LabelId::Jumps], "10");
  EXPECT_EQ(controls.geometryRestores, 0);  // a won level keeps the game going
}

TEST_F(GameTick, ALossShowsTheFourLineMessageAndStartsANewGame) {
  GameState& st = game.state();
  st.level = 3;
  st.score = 130;
  st.jumps = 20;
  st.dropSpeed = 7;
  st.playerY = 760;
  st.playerX = 10;
  st.cloudRight = kTrue;
  st.noCrates = kTrue;
  controls.timers[TimerId::Tick] = true;
  queueLandingAndSetup(0.0f);  // R = 0: 200 / 3 + 150 = 216.67
  std::string scoreDuringMessage;
  controls.duringMessage = [&] { scoreDuringMessage = controls.captions[LabelId::Score]; };
  tick();
  EXPECT_EQ(controls.messages.at(0),
            "You have failed round 3.\r\nPress 'Enter' to play again.\r\nRemember, you can press "
            "'Escape' at any time during play to quit the game, and 'Backspace' to pause.\r\n"
            "Score: 217");
  EXPECT_EQ(scoreDuringMessage, "217");
  EXPECT_EQ(st.level, 1);
  EXPECT_EQ(st.jumps, 5);
  EXPECT_EQ(st.score, 0);
  EXPECT_EQ(st.dropSpeed, 1);
  EXPECT_EQ(controls.captions[LabelId::Score], "0");
  EXPECT_TRUE(controls.timers[TimerId::Tick]);  // a new game plays on at once
  EXPECT_EQ(st.cloudRight, kTrue);
  EXPECT_EQ(st.noCrates, kTrue);
}

TEST_F(GameTick, TheLandingScoreRoundsTheWholeSumHalfToEven) {
  // R = 1 and progression 1 give B = 101; jumpSpeed 2 gives 50.5 before the kept points.
  struct Case {
    int kept;
    int expected;
  };
  for (Case c : {Case{5, 56}, Case{4, 54}}) {
    stageLevel();
    GameState& st = game.state();
    st.progression = 1;
    st.jumpSpeed = 2;
    st.jumps = 0;
    st.score = static_cast<int16_t>(c.kept);
    st.playerX = 420;
    st.playerY = 760;
    queueLandingAndSetup(0.015f);  // R = 1
    tick();
    EXPECT_EQ(st.score, c.expected);
  }
}

TEST_F(GameTick, APickupInTheLandingTickCountsInTheScore) {
  GameState& st = game.state();
  st.playerX = 420;
  st.playerY = 760;
  st.crateShown = kTrue;
  st.crateX = 440;
  st.crateY = 780;
  queueLandingAndSetup(0.0f);  // 200 / 3 + (10 + 100) = 176.67
  tick();
  EXPECT_EQ(controls.messages.at(0), "Winner! Press 'Enter' for round 2. Score: 177");
}

TEST_F(GameTick, BackspaceOrF1InALandingTickStillEndTheLevelAndLeaveTheTickOff) {
  for (VirtualKey key : {VirtualKey::Backspace, VirtualKey::F1}) {
    stageLevel();
    controls.messages.clear();
    controls.events.clear();
    controls.timers[TimerId::Tick] = true;
    game.state().playerY = 760;
    game.state().playerX = 420;
    queueLandingAndSetup();
    tick({key});
    EXPECT_EQ(controls.messages.size(), 1u);
    EXPECT_FALSE(controls.timers[TimerId::Tick]);
    EXPECT_EQ(game.state().level, 2);
  }
  EXPECT_EQ(controls.events.front(), "options");
}

TEST_F(GameTick, BackspaceSwitchesTheListenerOnBeforeTheTickOff) {
  controls.timers[TimerId::Tick] = true;
  controls.timers[TimerId::Listener] = false;
  tick({VirtualKey::Backspace});
  EXPECT_EQ(controls.events, (std::vector<std::string>{"listener on", "tick off"}));
}

TEST_F(GameTick, EscapeEndsTheProgramBeforeTheDescentAndTheDrawing) {
  game.state().playerY = 760;
  tick({VirtualKey::Escape, VirtualKey::Down});
  EXPECT_TRUE(controls.ended);
  EXPECT_EQ(game.state().playerY, 770);  // Down acted, the descent did not
  EXPECT_EQ(playfield.log, (std::vector<std::string>{"focus"}));
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(GameTick, ATickDuringTheMessageBoxIsDropped) {
  GameState& st = game.state();
  st.playerY = 760;
  st.playerX = 420;
  queueLandingAndSetup();
  controls.duringMessage = [&] { game.tick(); };
  tick();
  EXPECT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(st.level, 2);
}

TEST_F(GameTick, AnEscapeThatClosedTheMessageBoxDoesNotEndTheGame) {
  GameState& st = game.state();
  st.playerY = 760;
  st.playerX = 420;
  queueLandingAndSetup();
  controls.duringMessage = [&] { keys.pending.insert(VirtualKey::Escape); };
  tick();
  tick();
  EXPECT_FALSE(controls.ended);
  tick({VirtualKey::Escape});  // held at a tick: the player means it
  EXPECT_TRUE(controls.ended);
}

TEST_F(GameTick, TheScoreSaturatesAt32767) {
  GameState& st = game.state();
  st.score = 32700;
  st.crateShown = kTrue;
  st.crateX = 400;
  st.crateY = 110;
  tick();
  EXPECT_EQ(st.score, 32767);
  st.playerY = 760;
  st.playerX = 420;
  queueLandingAndSetup(0.99f);
  tick();
  EXPECT_EQ(st.score, 32767);
  EXPECT_EQ(controls.messages.at(0), "Winner! Press 'Enter' for round 2. Score: 32767");
}

TEST_F(GameTick, AJumpFarAboveThePlayfieldSaturatesAtMinus32768) {
  GameState& st = game.state();
  st.playerY = -32700;
  st.dropSpeed = 30;
  st.jumpSpeed = 10;
  tick({VirtualKey::Up});
  EXPECT_EQ(st.playerY, -32768 + 30);
}

TEST_F(GameTick, ADivisionByAZeroJumpSpeedDoesNotStopTheGame) {
  GameState& st = game.state();
  st.jumpSpeed = 0;
  st.playerY = 760;
  st.playerX = 420;
  queueLandingAndSetup();
  tick();
  EXPECT_EQ(st.score, 32767);
}

}  // namespace
