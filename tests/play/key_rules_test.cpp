#include "play/key_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyRules, AKeyCountsWhileDownAndATapOnceUntilItIsQueried) {
  KeyRules keys;
  keys.keyDown(VirtualKey::Left, false, false);
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  EXPECT_TRUE(keys.pressed(VirtualKey::Left));
  keys.keyUp(VirtualKey::Left);
  EXPECT_FALSE(keys.pressed(VirtualKey::Left));
  keys.keyDown(VirtualKey::Space, false, false);
  keys.keyUp(VirtualKey::Space);
  EXPECT_TRUE(keys.pressed(VirtualKey::Space));
  EXPECT_FALSE(keys.pressed(VirtualKey::Space));
  keys.keyDown(VirtualKey::Escape, false, false);
  keys.keyUp(VirtualKey::Escape);
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
  keys.keyUp(VirtualKey::Space);
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
  keys.keyUp(VirtualKey::Backspace);
  EXPECT_TRUE(keys.pressed(VirtualKey::Down));
  keys.focusLost();
  EXPECT_FALSE(keys.pressed(VirtualKey::Down));
  EXPECT_TRUE(keys.pressed(VirtualKey::Backspace));
}

}  // namespace
