#include "play/key_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyRules, AKeyCountsWhileDownAndATapOnceUntilItIsQueried) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Left, false, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  keys.keyUp(VirtualKey::Left, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
  keys.keyDown(VirtualKey::Space, false, false);
  keys.keyUp(VirtualKey::Space, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Space));
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  keys.keyDown(VirtualKey::Escape, false, false);
  keys.keyUp(VirtualKey::Escape, false);
  keys.forget(VirtualKey::Escape);
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
}

TEST(KeyRules, AKeyAWindowUsedIsNeverTheGamesWhileHeldOrLater) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Space, false, true);
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  // Its repeats while it is held change nothing either.
  keys.keyDown(VirtualKey::Space, true, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  keys.keyUp(VirtualKey::Space, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  // A game key held before a window used the same key again is let go.
  keys.keyDown(VirtualKey::Escape, false, false);
  keys.keyDown(VirtualKey::Escape, false, true);
  EXPECT_TRUE(keys.pressed(VirtualKey::Escape));  // the first press still counts once
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
}

TEST(KeyRules, LosingTheFocusLetsHeldKeysGoAndKeepsTapsThatWereOver) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Down, false, false);
  keys.keyDown(VirtualKey::Backspace, false, false);
  keys.keyUp(VirtualKey::Backspace, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Down));
  keys.focusLost();
  EXPECT_FALSE(keys.pressed(VirtualKey::Down));
  EXPECT_TRUE(keys.pressed(VirtualKey::Backspace));
}

TEST(KeyRules, AKeyHeldThroughAutoRepeatReadsPressedAtEveryTickUntilItsRealRelease) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Left, false, false);
  // 3 s of 60 ms ticks, with a repeat pair (a release and a press, both marked) every 30 ms, as
  // X11 and Qt's Wayland repeat a key; a tick may fall between the pair's two halves.
  for (int tick = 0; tick < 50; ++tick) {
    keys.keyUp(VirtualKey::Left, true);
    EXPECT_TRUE(keys.pressed(VirtualKey::Left)) << "tick " << tick;
    keys.keyDown(VirtualKey::Left, true, false);
    keys.keyUp(VirtualKey::Left, true);
    keys.keyDown(VirtualKey::Left, true, false);
  }
  keys.keyUp(VirtualKey::Left, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
}

TEST(KeyRules, AReleaseFoundToBeARepeatsLeavesTheKeyAsItWasBefore) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Left, false, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  // An unmarked release, and the repeated press that shows what it was.
  keys.keyUp(VirtualKey::Left, false);
  keys.releaseWasRepeat(VirtualKey::Left);
  keys.keyDown(VirtualKey::Left, true, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  keys.keyUp(VirtualKey::Left, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
  // A key a window used stays the window's, and one let go with the focus stays let go.
  keys.keyDown(VirtualKey::Escape, false, true);
  keys.keyUp(VirtualKey::Escape, false);
  keys.releaseWasRepeat(VirtualKey::Escape);
  keys.keyDown(VirtualKey::Escape, true, false);
  EXPECT_FALSE(keys.pressed(VirtualKey::Escape));
  keys.keyDown(VirtualKey::Down, false, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Down));
  keys.keyUp(VirtualKey::Down, false);
  keys.focusLost();
  keys.releaseWasRepeat(VirtualKey::Down);
  EXPECT_FALSE(keys.pressed(VirtualKey::Down));
}

}  // namespace
