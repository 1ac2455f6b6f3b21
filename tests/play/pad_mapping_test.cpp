#include "play/pad_mapping.h"

#include <gtest/gtest.h>

namespace {

using Action = PadWindowAction;

PadReading pad(int id, std::initializer_list<PadButton> held = {}, float x = 0, float y = 0) {
  PadReading reading;
  reading.padId = id;
  for (PadButton button : held) reading[button] = true;
  reading.stickX = x;
  reading.stickY = y;
  return reading;
}

class Pads : public ::testing::Test {
 protected:
  PadMapping mapping;
  std::vector<Action> read(PadReadings pads, PadScene scene = PadScene::Playing) {
    return mapping.read(pads, scene);
  }
  bool pressed(VirtualKey key) { return mapping.keys().pressed(key); }
};

TEST_F(Pads, TheStickSteersPastItsDeadZoneAndLetsGoWithHysteresis) {
  read({pad(1, {}, -0.49f, 0.3f)});
  EXPECT_FALSE(pressed(VirtualKey::Left));
  EXPECT_FALSE(pressed(VirtualKey::Down));
  read({pad(1, {}, -0.51f, 0.6f)});
  EXPECT_TRUE(pressed(VirtualKey::Left));
  EXPECT_TRUE(pressed(VirtualKey::Down));
  // Back inside the zone but not below the release point: still held.
  read({pad(1, {}, -0.4f, 0.36f)});
  EXPECT_TRUE(pressed(VirtualKey::Left));
  EXPECT_TRUE(pressed(VirtualKey::Down));
  read({pad(1, {}, -0.34f, 0.0f)});
  EXPECT_FALSE(pressed(VirtualKey::Left));
  EXPECT_FALSE(pressed(VirtualKey::Down));
  // Up and right are the other ends of the same axes.
  read({pad(1, {}, 1.0f, -1.0f)});
  EXPECT_TRUE(pressed(VirtualKey::Right));
  EXPECT_TRUE(pressed(VirtualKey::Up));
}

TEST_F(Pads, ATapBetweenTwoQueriesCountsOnceAndTheJumpIsUpWhileEitherHoldsIt) {
  read({pad(1, {PadButton::South})});
  read({pad(1)});
  EXPECT_TRUE(pressed(VirtualKey::Up));
  EXPECT_FALSE(pressed(VirtualKey::Up));
  // A and the d-pad both hold Up: letting go of one keeps it down.
  read({pad(1, {PadButton::South, PadButton::DpadUp})});
  read({pad(1, {PadButton::DpadUp})});
  EXPECT_TRUE(pressed(VirtualKey::Up));
  EXPECT_TRUE(pressed(VirtualKey::Up));
  read({pad(1)});
  EXPECT_FALSE(pressed(VirtualKey::Up));
}

TEST_F(Pads, StartIsSpaceAtThePromptAndBackspaceInPlayOrPausedAndBackIsF1) {
  read({pad(1, {PadButton::Start})}, PadScene::StartPrompt);
  EXPECT_TRUE(pressed(VirtualKey::Space));
  EXPECT_FALSE(pressed(VirtualKey::Backspace));
  // Held on into play it was one press: a resume held into the next tick never pauses again.
  read({pad(1, {PadButton::Start})}, PadScene::Playing);
  EXPECT_FALSE(pressed(VirtualKey::Space));
  EXPECT_FALSE(pressed(VirtualKey::Backspace));
  read({pad(1)}, PadScene::Playing);
  for (PadScene scene : {PadScene::Playing, PadScene::Paused}) {
    read({pad(1, {PadButton::Start})}, scene);
    read({pad(1)}, scene);
    EXPECT_TRUE(pressed(VirtualKey::Backspace));
    EXPECT_FALSE(pressed(VirtualKey::Space));
  }
  read({pad(1, {PadButton::Back})});
  EXPECT_TRUE(pressed(VirtualKey::F1));
}

TEST_F(Pads, NothingOnAPadQuits) {
  PadReading all = pad(1, {}, 1.0f, 1.0f);
  all.buttons.fill(true);
  for (PadScene scene : {PadScene::StartPrompt, PadScene::Playing, PadScene::Paused}) {
    read({all}, scene);
    EXPECT_FALSE(pressed(VirtualKey::Escape));
    read({pad(1)}, scene);
  }
}

TEST_F(Pads, APadRemovedWhileHoldingLetsGoAndTwoPadsBothCount) {
  read({pad(1, {PadButton::DpadLeft}), pad(2, {PadButton::DpadRight})});
  EXPECT_TRUE(pressed(VirtualKey::Left));
  EXPECT_TRUE(pressed(VirtualKey::Right));
  read({pad(2, {PadButton::DpadRight})});
  EXPECT_FALSE(pressed(VirtualKey::Left));
  EXPECT_TRUE(pressed(VirtualKey::Right));
  // Both holding Left: it is let go only when neither does.
  read({pad(2, {PadButton::DpadLeft}), pad(3, {}, -1.0f)});
  read({pad(3, {}, -1.0f)});
  EXPECT_TRUE(pressed(VirtualKey::Left));
  read({});
  EXPECT_FALSE(pressed(VirtualKey::Left));
  // A pad plugged in again starts from its stick's rest, not from what it held before.
  read({pad(3, {}, -0.4f)});
  EXPECT_FALSE(pressed(VirtualKey::Left));
}

TEST_F(Pads, InAWindowTheButtonsMoveAndPressAndNeverBecomeTheGamesKeys) {
  EXPECT_EQ(read({pad(1, {PadButton::DpadDown})}, PadScene::OptionsWindow),
            (std::vector<Action>{Action::FocusDown}));
  EXPECT_EQ(read({pad(1, {PadButton::DpadDown, PadButton::DpadLeft})}, PadScene::OptionsWindow),
            (std::vector<Action>{Action::Left}));
  EXPECT_EQ(read({pad(1, {PadButton::DpadRight, PadButton::DpadUp})}, PadScene::AboutWindow),
            (std::vector<Action>{Action::Right, Action::FocusUp}));
  EXPECT_EQ(read({pad(1, {PadButton::South})}, PadScene::Message),
            (std::vector<Action>{Action::Press}));
  EXPECT_EQ(read({pad(1, {PadButton::South, PadButton::East})}, PadScene::OptionsWindow),
            (std::vector<Action>{Action::Close}));
  // Start and Back do nothing in a window.
  EXPECT_TRUE(read({pad(1, {PadButton::South, PadButton::East, PadButton::Start, PadButton::Back})},
                   PadScene::OptionsWindow)
                  .empty());
  // The window closed with A still held: the game never sees a jump, nor Start's key.
  read({pad(1, {PadButton::South, PadButton::Start})}, PadScene::Playing);
  EXPECT_FALSE(pressed(VirtualKey::Up));
  EXPECT_FALSE(pressed(VirtualKey::Backspace));
  EXPECT_FALSE(pressed(VirtualKey::F1));
  read({pad(1)}, PadScene::Playing);
  read({pad(1, {PadButton::South})}, PadScene::Playing);
  EXPECT_TRUE(pressed(VirtualKey::Up));
}

}  // namespace
