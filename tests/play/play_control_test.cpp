#include "play/play_control.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_ports.h"
#include "tests/game/game_fixture.h"

namespace {

// The listener in the Waiting state: tick off, listener on, the prompt shown.
class Listener : public ::testing::Test {
 protected:
  FakeKeys keys;
  FakeControls controls;
  FakeStore store;
  FakeWavePlayer player;
  Music music{store, player};
  PlayControl control{keys, controls, store, music};

  void listen(std::initializer_list<VirtualKey> held) {
    keys.held = held;
    keys.queries.clear();
    controls.events.clear();
    control.pollStartKeys();
  }
};

TEST_F(Listener, SpaceStartsPlayAndMusicAndStoresTrueOnAnEmptyStore) {
  listen({VirtualKey::Space});
  EXPECT_FALSE(controls.visible[LabelId::StartPrompt]);
  EXPECT_EQ(controls.events,
            (std::vector<std::string>{"tick on", "musicReplay on", "listener off"}));
  EXPECT_EQ(player.played.size(), 1u);
  EXPECT_EQ(store.values["Music"], "True");
}

TEST_F(Listener, SpaceWithMusicOffPlaysNothingAndLeavesTheReplayOff) {
  store.values["Music"] = "False";
  listen({VirtualKey::Space});
  EXPECT_TRUE(player.played.empty());
  EXPECT_FALSE(controls.timers[TimerId::MusicReplay]);
  EXPECT_TRUE(controls.timers[TimerId::Tick]);
  EXPECT_EQ(store.values["Music"], "False");
}

TEST_F(Listener, OnlyTheFirstPressedKeyActsAndLaterKeysAreNotQueried) {
  listen({VirtualKey::F1, VirtualKey::Space, VirtualKey::Backspace});
  EXPECT_EQ(keys.queries, (std::vector<VirtualKey>{VirtualKey::F1}));
  EXPECT_EQ(controls.events, (std::vector<std::string>{"tick off", "options", "listener off"}));
  EXPECT_TRUE(controls.visible[LabelId::StartPrompt]);

  controls.timers[TimerId::Listener] = true;
  listen({VirtualKey::Space, VirtualKey::Backspace});
  EXPECT_EQ(keys.queries, (std::vector<VirtualKey>{VirtualKey::F1, VirtualKey::Space}));
  EXPECT_TRUE(controls.timers[TimerId::Tick]);
}

TEST_F(Listener, BackspaceAtThePromptStartsPlayWithThePromptShownAndNoMusic) {
  listen({VirtualKey::Backspace});
  EXPECT_TRUE(controls.timers[TimerId::Tick]);
  EXPECT_FALSE(controls.timers[TimerId::Listener]);
  EXPECT_TRUE(controls.visible[LabelId::StartPrompt]);
  EXPECT_TRUE(player.played.empty());
}

TEST_F(Listener, BackspaceWhenBothTimersRunPausesAndAnotherResumes) {
  // After the About window's Close from Waiting both timers run.
  controls.timers[TimerId::Tick] = true;
  listen({VirtualKey::Backspace});
  EXPECT_FALSE(controls.timers[TimerId::Tick]);
  EXPECT_TRUE(controls.timers[TimerId::Listener]);  // never both off: that is a dead end
  listen({VirtualKey::Backspace});
  EXPECT_TRUE(controls.timers[TimerId::Tick]);
  EXPECT_FALSE(controls.timers[TimerId::Listener]);
}

TEST_F(Listener, NoKeyAndEscapeDoNothing) {
  listen({});
  listen({VirtualKey::Escape});
  EXPECT_TRUE(controls.events.empty());
  EXPECT_FALSE(controls.ended);
}

TEST_F(Listener, ASpaceResumeRestartsTheMusic) {
  listen({VirtualKey::Space});
  controls.timers[TimerId::Listener] = true;
  listen({VirtualKey::Space});
  EXPECT_EQ(player.played.size(), 2u);
}

TEST_F(Listener, TheCreditBannerStopsTheTickAndLeavesTheListenerAsItWas) {
  control.openAbout();
  EXPECT_EQ(controls.events, (std::vector<std::string>{"tick off", "about"}));
  EXPECT_TRUE(controls.timers[TimerId::Listener]);
}

TEST_F(Listener, ClosingTheMainWindowEndsTheProgram) {
  control.mainWindowClosing();
  EXPECT_TRUE(controls.ended);
}

// Only the tick polls Escape: a press made while the tick was off never ends the game, however
// the tick is switched on again; one still held at the first tick does, and so does a press made
// while the tick was running. A Backspace held through the listener's poll still pauses again.
class StaleEscape : public GameFixture {
 protected:
  FakeWavePlayer player;
  Music music{store, player};
  PlayControl control{keys, controls, store, music};
};

TEST_F(StaleEscape, IsForgottenWhenTheTickIsSwitchedOnButAHeldEscapeStillEnds) {
  stageLevel();
  // Space and Backspace in the listener, Resume Game, Close in the About window; and a Space
  // while the tick already runs, as it does after Close from the prompt.
  for (int way = 0; way < 5; ++way) {
    for (bool held : {false, true}) {
      controls.timers[TimerId::Tick] = way == 4;
      controls.ended = false;
      keys.pending = {VirtualKey::Escape};
      keys.held = {way == 1 ? VirtualKey::Backspace : VirtualKey::Space};
      if (way == 2) control.resumeFromOptions();
      if (way == 3) control.closeAbout();
      if (way != 2 && way != 3) control.pollStartKeys();
      if (way != 1) keys.held.clear();
      if (held) keys.held.insert(VirtualKey::Escape);
      game.tick();
      EXPECT_EQ(controls.ended, held || way == 4) << way;
      EXPECT_EQ(controls.timers[TimerId::Tick], way != 1) << way;
    }
  }
}

}  // namespace
