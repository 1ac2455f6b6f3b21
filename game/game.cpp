#include "game/game.h"

#include "game/int16_math.h"
#include "game/messages.h"
#include "game/option_rules.h"
#include "game/random_draws.h"

namespace {

constexpr Rgb kSkyColour{0, 153, 255};
constexpr Rgb kGrassColour{0, 255, 102};
constexpr Rgb kWhite{255, 255, 255};

constexpr int kPlayfieldRightUnits = 1000;

constexpr int kStartDropSpeed = 1;
constexpr int kStartJumps = 5;

constexpr int kSidewaysStepUnits = 4;
constexpr int kDownStepUnits = 10;
constexpr int kJumpExtraUnits = 15;
constexpr int kLeftmostPlayerXUnits = -1;
constexpr int kRightmostPlayerXUnits = 966;
constexpr int kPosePeriodTicks = 24;

constexpr int kCloudTurnLeftXUnits = 750;
constexpr int kCloudTurnRightXUnits = 10;

// The player's reference point, near the middle of the 32 x 32 pixel picture.
constexpr int kReferenceDxUnits = 34;
constexpr int kReferenceDyUnits = 36;
// The pickup box around the crate; it reaches 43 units down, one more than across.
constexpr int kCrateBoxBeforeUnits = 8;
constexpr int kCrateBoxRightUnits = 42;
constexpr int kCrateBoxBelowUnits = 43;
constexpr int kCrateJumps = 5;
constexpr int kCratePoints = 100;

constexpr int kLandingDepthUnits = 50;
constexpr int kLandingBonusBase = 100;
constexpr int kWonLevelJumps = 5;

std::string text(int value) { return options::decimalText(value); }

}  // namespace

void Game::startNewGame() {
  // dropSpeed 0 means this is the program's first game: it waits for the start key.
  if (state_.dropSpeed == 0) ports_.controls.setTimer(TimerId::Tick, false);
  state_.dropSpeed = kStartDropSpeed;
  state_.level = 1;
  state_.jumps = kStartJumps;
  state_.progression = options::readWholeNumber(ports_.store, options::kProgression);
  state_.jumpSpeed = options::readWholeNumber(ports_.store, options::kJump);
  ports_.controls.restoreDesignedGeometry();
  state_.score = 0;
  ports_.controls.setCaption(LabelId::Score, text(state_.score));
}

void Game::layOutLedge() {
  // Each draw is stored before the next is made; the gap's right end depends on its left end.
  RandomSource& random = ports_.random;
  state_.playerX = draws::nearest(random.next(), 966);
  state_.playerY = draws::nearest(random.next(), 350);
  state_.gapLeft = draws::nearest(random.next(), 950);
  state_.ledgeY = int16::add(400, draws::nearest(random.next(), 500));
  state_.gapRight = draws::floorOf(random.next(), 101, int16::add(state_.gapLeft, 75));
  drawLedge(state_.ledgeY, std::nullopt);
}

void Game::drawLedge(int16_t y, std::optional<Rgb> colour) {
  ports_.playfield.line(0, y, state_.gapLeft, y, colour);
  ports_.playfield.line(state_.gapRight, y, kPlayfieldRightUnits, y, colour);
}

void Game::setUpLevel() {
  MainWindowControls& controls = ports_.controls;
  if (state_.keepProgress == 0) startNewGame();
  state_.keepProgress = 0;
  layOutLedge();
  controls.setBackColor(LabelId::StartPrompt, kSkyColour);
  controls.setBackColor(LabelId::JumpsCaption, kGrassColour);
  controls.setBackColor(LabelId::Level, kGrassColour);
  controls.setCaption(LabelId::Level, text(state_.level));
  controls.setBackColor(LabelId::Jumps, kGrassColour);
  controls.setCaption(LabelId::Jumps, text(state_.jumps));
  // The cloud's hidden holder is never shown and the cloud is painted at its picture's own
  // size, so the holder's size is left as it is.
  state_.cloudX = draws::nearest(ports_.random.next(), 750);
  state_.cloudY = draws::nearest(ports_.random.next(), 150);
  // With crates stored as off the crate step is skipped whole: a crate left over from the
  // previous level stays where it was until it is picked up.
  if (options::readTicked(ports_.store, options::kCrates)) {
    state_.crateShown = kFalse;
    if (state_.noCrates != kTrue) {
      const int16_t crateTest = draws::nearest(ports_.random.next(), 100);
      if (crateTest % 2 == 0) {
        state_.crateShown = kTrue;
        state_.crateY = draws::floorOf(ports_.random.next(), int16::sub(state_.ledgeY, 1));
        state_.crateX = draws::floorOf(ports_.random.next(), 967);
      }
    }
  }
  // Consumes a Space pressed before the setup ended, so only a Space still down, or pressed
  // later, starts the game.
  (void)ports_.keys.pressed(VirtualKey::Space);
}

void Game::tick() {
  // A tick nested in one whose message box is open, or one that fires while the message is
  // still open, would find the player at the ledge and end the level twice.
  if (tickRunning_ || landingPending_) return;
  tickRunning_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{tickRunning_};

  ports_.playfield.takeFocus();
  if (!pollKeys()) return;

  GameState& s = state_;
  s.playerY = int16::add(s.playerY, s.dropSpeed);
  if (s.playerX < kLeftmostPlayerXUnits) s.playerX = kLeftmostPlayerXUnits;
  if (s.playerX > kRightmostPlayerXUnits) s.playerX = kRightmostPlayerXUnits;

  ports_.playfield.repaint();
  if (s.frameTicks == kPosePeriodTicks) flipPose();
  s.frameTicks = int16::add(s.frameTicks, 1);
  ports_.playfield.paint(s.poseUp == kTrue ? Picture::MonkeyUp : Picture::MonkeyDown, s.playerX,
                         s.playerY);
  drawLedge(s.ledgeY, std::nullopt);
  moveCloud();
  if (s.crateShown == kTrue) handleCrate();

  if (int16::add(s.playerY, kLandingDepthUnits) <= s.ledgeY) return;
  endLevel();
}

bool Game::pollKeys() {
  // Every key is queried exactly once per tick, whatever the earlier keys did.
  KeyState& keys = ports_.keys;
  MainWindowControls& controls = ports_.controls;
  GameState& s = state_;
  if (keys.pressed(VirtualKey::Left)) s.playerX = int16::sub(s.playerX, kSidewaysStepUnits);
  if (keys.pressed(VirtualKey::Up)) {
    if (s.jumps != 0) {
      s.jumps = int16::sub(s.jumps, 1);
      const int16_t lift = int16::mul(s.dropSpeed, s.jumpSpeed);
      s.playerY = int16::sub(int16::sub(s.playerY, lift), kJumpExtraUnits);
    }
    controls.setCaption(LabelId::Jumps, text(s.jumps));
  }
  if (keys.pressed(VirtualKey::Right)) s.playerX = int16::add(s.playerX, kSidewaysStepUnits);
  if (keys.pressed(VirtualKey::Down)) s.playerY = int16::add(s.playerY, kDownStepUnits);
  if (keys.pressed(VirtualKey::Backspace)) {
    controls.setTimer(TimerId::Listener, true);
    controls.setTimer(TimerId::Tick, false);
  }
  if (keys.pressed(VirtualKey::F1)) {
    controls.showOptions();
    controls.setTimer(TimerId::Tick, false);
  }
  if (keys.pressed(VirtualKey::Escape)) {
    controls.endProgram();
    return false;
  }
  return true;
}

void Game::flipPose() {
  // The white lines one unit above the ledge show for this one tick only.
  state_.poseUp = state_.poseUp == kTrue ? kFalse : kTrue;
  drawLedge(int16::sub(state_.ledgeY, 1), kWhite);
  state_.frameTicks = 0;
}

void Game::moveCloud() {
  GameState& s = state_;
  s.cloudX = s.cloudRight == kFalse ? int16::sub(s.cloudX, 1) : int16::add(s.cloudX, 1);
  if (s.cloudX > kCloudTurnLeftXUnits) s.cloudRight = kFalse;
  if (s.cloudX < kCloudTurnRightXUnits) s.cloudRight = kTrue;
  ports_.playfield.paint(Picture::Cloud, s.cloudX, s.cloudY);
}

void Game::handleCrate() {
  GameState& s = state_;
  ports_.playfield.paint(Picture::Crate, s.crateX, s.crateY);
  const int16_t px = int16::add(s.playerX, kReferenceDxUnits);
  const int16_t py = int16::add(s.playerY, kReferenceDyUnits);
  // Every bound is strict: a reference point on the border of the box is no pickup.
  const bool inside = px > int16::sub(s.crateX, kCrateBoxBeforeUnits) &&
                      px < int16::add(s.crateX, kCrateBoxRightUnits) &&
                      py > int16::sub(s.crateY, kCrateBoxBeforeUnits) &&
                      py < int16::add(s.crateY, kCrateBoxBelowUnits);
  if (!inside) return;
  s.jumps = int16::add(s.jumps, kCrateJumps);
  ports_.controls.setCaption(LabelId::Jumps, text(s.jumps));
  s.score = int16::add(s.score, kCratePoints);
  s.crateShown = kFalse;
  ports_.controls.setCaption(LabelId::Score, text(s.score));
}

void Game::endLevel() {
  GameState& s = state_;
  MainWindowControls& controls = ports_.controls;

  // The landing score is computed before the gap test, so a lost level gets the bonus too.
  const int16_t bonusDraw = draws::floorOf(ports_.random.next(), 100);
  const int16_t bonus = int16::mul(int16::add(bonusDraw, kLandingBonusBase), s.progression);
  const int16_t kept = int16::add(s.jumps, s.score);
  // Double precision and one rounding over the whole sum, half to even.
  s.score = int16::roundHalfEven(static_cast<double>(bonus) / s.jumpSpeed + kept, kept);

  const int16_t referenceX = int16::add(s.playerX, kReferenceDxUnits);
  const bool won = s.gapLeft <= referenceX && referenceX <= s.gapRight;

  controls.setCaption(LabelId::Score, text(s.score));
  landingPending_ = true;
  const std::string message =
      won ? winMessage(int16::add(s.level, 1), s.score) : lossMessage(s.level, s.score);
  // The message may stay open after the tick has returned; nothing here runs after it.
  controls.showMessage(message, [this, won] { finishLanding(won); });
}

void Game::finishLanding(bool won) {
  if (!landingPending_) return;
  landingPending_ = false;
  // Escape closes the message box as well as OK does; that press must not end the game at the
  // next tick. An Escape still held then does.
  ports_.keys.forget(VirtualKey::Escape);
  GameState& s = state_;
  if (won) {
    s.dropSpeed = int16::add(s.dropSpeed, s.progression);
    s.jumps = int16::add(s.jumps, kWonLevelJumps);
    s.level = int16::add(s.level, 1);
    s.keepProgress = 1;
  }
  setUpLevel();  // after a loss keepProgress is 0 here: a new game
}
