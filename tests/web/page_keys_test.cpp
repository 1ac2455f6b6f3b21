#include "web/page_keys.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kSpace = 32;
constexpr unsigned kLeft = 37;
constexpr unsigned kBackspace = 8;
constexpr unsigned kEscape = 27;
constexpr unsigned kF5 = 116;
constexpr unsigned kR = 82;

TEST(PageKeys, TheGamesKeysInTheGameAreHeardAndKeptFromTheBrowser) {
  for (unsigned key : {kSpace, kLeft, kBackspace, kEscape, 112u}) {
    const KeyRoute route = routeKeyDown(key, {}, KeyPlace::Game, std::nullopt);
    ASSERT_TRUE(route.gameKey) << key;
    EXPECT_EQ(static_cast<unsigned>(*route.gameKey), key);
    EXPECT_FALSE(route.usedByWindow);
    EXPECT_TRUE(route.keptFromBrowser) << key;
  }
  const KeyRoute f5 = routeKeyDown(kF5, {}, KeyPlace::Game, std::nullopt);
  EXPECT_FALSE(f5.gameKey);
  EXPECT_FALSE(f5.keptFromBrowser);
}

TEST(PageKeys, AKeyWithCtrlAltOrTheSystemKeyIsTheBrowsersButAltEnterGoesFullScreen) {
  for (KeyModifiers held :
       {KeyModifiers{.ctrl = true}, KeyModifiers{.alt = true}, KeyModifiers{.meta = true}}) {
    for (unsigned key : {kLeft, kR, kSpace}) {
      const KeyRoute route = routeKeyDown(key, held, KeyPlace::Game, std::nullopt);
      EXPECT_FALSE(route.gameKey);
      EXPECT_FALSE(route.keptFromBrowser);
      EXPECT_FALSE(route.toggleFullScreen);
    }
  }
  const KeyRoute altEnter = routeKeyDown(kEnterKeyCode, {.alt = true}, KeyPlace::Game, {});
  EXPECT_TRUE(altEnter.toggleFullScreen);
  EXPECT_TRUE(altEnter.keptFromBrowser);
  EXPECT_FALSE(routeKeyDown(kEnterKeyCode, {.ctrl = true, .alt = true}, KeyPlace::Game, {})
                   .toggleFullScreen);
}

TEST(PageKeys, AKeyAFocusedControlActsOnIsItsOwnAndTheBrowserActsOnIt) {
  const KeyRoute space = routeKeyDown(kSpace, {}, KeyPlace::Control, ControlKind::PushButton);
  EXPECT_TRUE(space.gameKey);
  EXPECT_TRUE(space.usedByWindow);
  EXPECT_FALSE(space.keptFromBrowser);
  const KeyRoute arrow = routeKeyDown(kLeft, {}, KeyPlace::Control, ControlKind::Slider);
  EXPECT_TRUE(arrow.usedByWindow);
  EXPECT_FALSE(arrow.keptFromBrowser);
  // Backspace on a button is the game's key, as on the desktop.
  const KeyRoute back = routeKeyDown(kBackspace, {}, KeyPlace::Control, ControlKind::PushButton);
  EXPECT_FALSE(back.usedByWindow);
  EXPECT_TRUE(back.keptFromBrowser);
}

TEST(PageKeys, TheMessageAndTheEndedPageKeepEveryKeyFromTheGame) {
  for (KeyPlace place : {KeyPlace::Message, KeyPlace::Ended}) {
    const KeyRoute escape = routeKeyDown(kEscape, {}, place, std::nullopt);
    EXPECT_FALSE(escape.gameKey);
    EXPECT_FALSE(escape.keptFromBrowser);
  }
}

TEST(PageKeys, EveryReleaseReachesTheKeyRulesButOnlyTheGameKeepsItFromTheBrowser) {
  EXPECT_TRUE(routeKeyUp(kSpace, KeyPlace::Game).keptFromBrowser);
  const KeyRoute atButton = routeKeyUp(kSpace, KeyPlace::Control);
  EXPECT_TRUE(atButton.gameKey);
  EXPECT_FALSE(atButton.keptFromBrowser);
  EXPECT_TRUE(routeKeyUp(kLeft, KeyPlace::Message).gameKey);
  EXPECT_FALSE(routeKeyUp(kF5, KeyPlace::Game).gameKey);
}

}  // namespace
