#include <SDL2/SDL.h>

#include <QApplication>
#include <QMessageBox>
#include <QtTest/QTest>

#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/main_window/lazy_pad_reader.h"
#include "ui/main_window/pad_poller.h"
#include "ui/options_window/options_window.h"

namespace {

// A pad made in SDL's virtual joystick driver, read through the real pad module, playing in the
// real main window.
class SdlPadWindow : public MainWindowFixture {
 protected:
  LazyPadReader reader{QStringList{ZUNDABAR_PAD_MODULE}};
  std::unique_ptr<PadPoller> poller;
  SDL_Joystick* pad = nullptr;

  void SetUp() override {
    MainWindowFixture::SetUp();
    poller = std::make_unique<PadPoller>(form->session(), reader);
    poller->pollNow();  // loads the module and starts SDL's controllers
    ASSERT_TRUE(reader.started());
    const int device = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    pad = SDL_JoystickOpen(device);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    poller->pollNow();
  }
  void TearDown() override {
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(0);
    poller->pollNow();
    MainWindowFixture::TearDown();
  }

  void hold(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
    poller->pollNow();
  }
  void tap(SDL_GameControllerButton button) {
    hold(button, true);
    hold(button, false);
  }
  bool on(TimerId id) { return form->timer(id).isActive(); }
};

TEST_F(SdlPadWindow, StartsSteersJumpsPausesAndOpensTheOptionsAndResumesFromAPad) {
  tap(SDL_CONTROLLER_BUTTON_START);
  form->playControl().pollStartKeys();
  ASSERT_TRUE(on(TimerId::Tick));

  const int16_t x = state().playerX;
  hold(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  form->playTick();
  EXPECT_LT(state().playerX, x);
  hold(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  // The stick pushed right, past its dead zone, steers back.
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 30000);
  poller->pollNow();
  const int16_t leftmost = state().playerX;
  form->playTick();
  EXPECT_GT(state().playerX, leftmost);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
  poller->pollNow();

  const int16_t jumps = state().jumps;
  tap(SDL_CONTROLLER_BUTTON_A);
  form->playTick();
  EXPECT_EQ(state().jumps, jumps - 1);

  tap(SDL_CONTROLLER_BUTTON_START);
  form->playTick();
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));

  tap(SDL_CONTROLLER_BUTTON_BACK);
  form->playControl().pollStartKeys();
  OptionsWindow* options = form->optionsWindow();
  ASSERT_NE(options, nullptr);
  ASSERT_TRUE(options->isVisible());
  options->setProgressionButton->setFocus();
  tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(options->focusWidget(), options->resumeButton);
  tap(SDL_CONTROLLER_BUTTON_A);
  EXPECT_FALSE(options->isVisible());
  EXPECT_TRUE(on(TimerId::Tick));
  // The A that pressed Resume Game was no jump.
  form->playTick();
  EXPECT_EQ(state().jumps, jumps - 1);
  EXPECT_FALSE(form->ended());
}

TEST_F(SdlPadWindow, APadPulledOutWhileHoldingADirectionLetsItGo) {
  tap(SDL_CONTROLLER_BUTTON_START);
  form->playControl().pollStartKeys();
  hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  SDL_JoystickClose(pad);
  pad = nullptr;
  SDL_JoystickDetachVirtual(0);
  poller->pollNow();
  // The press still counts at the next tick, as a tap does; after it Right is up.
  form->playTick();
  const int16_t x = state().playerX;
  form->playTick();
  EXPECT_EQ(state().playerX, x);
  // A pad plugged in mid-game works at once.
  const int device = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  pad = SDL_JoystickOpen(device);
  poller->pollNow();
  hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  form->playTick();
  EXPECT_GT(state().playerX, x);
}

TEST_F(SdlPadWindow, BClosesTheLandingMessageAndTheNextLevelFollows) {
  tap(SDL_CONTROLLER_BUTTON_START);
  form->playControl().pollStartKeys();
  random.values = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.02f, 0.5f, 0.5f};
  state().playerY = state().ledgeY;
  bool closedByPad = false;
  // The box's own loop runs the pad's poll, as the timer would.
  QTimer::singleShot(0, [&] {
    closedByPad = QApplication::activeModalWidget() != nullptr;
    tap(SDL_CONTROLLER_BUTTON_B);
  });
  // Should the pad fail, Enter ends the box so that the test ends.
  QTimer fallback;
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [&] {
    closedByPad = false;
    if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
  });
  fallback.start(3000);
  form->playTick();
  EXPECT_TRUE(closedByPad);
  EXPECT_TRUE(random.values.empty());  // the next level was set up
  EXPECT_FALSE(form->session().messageOpen());
}

}  // namespace
