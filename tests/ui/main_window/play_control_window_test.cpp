#include <QtTest/QTest>

#include "tests/ui/main_window/form1_fixture.h"

namespace {

// The play-control states on the real window, driven by scripted keys.
class PlayControlWindow : public Form1Fixture {
 protected:
  bool on(TimerId id) { return form->timer(id).isActive(); }
  bool promptShown() { return !find("Label1")->isHidden(); }
  void listen(std::initializer_list<VirtualKey> held) {
    keys.held = held;
    form->playControl().tmrListen_Timer();
  }
  void tick(std::initializer_list<VirtualKey> held) {
    keys.held = held;
    state().playerY = 0;
    form->game().Timer1_Timer();
  }
};

TEST_F(PlayControlWindow, SpaceStartsPlayAndMusicBackspacePausesAndResumes) {
  EXPECT_TRUE(promptShown());
  listen({VirtualKey::Space});
  EXPECT_FALSE(promptShown());
  EXPECT_TRUE(on(TimerId::Timer1));
  EXPECT_FALSE(on(TimerId::tmrListen));
  EXPECT_TRUE(on(TimerId::tmrMusic));
  EXPECT_EQ(player.played, (std::vector<std::string>{"Music.wav"}));
  EXPECT_EQ(store.values["Music"], "True");

  tick({VirtualKey::Backspace});
  EXPECT_FALSE(on(TimerId::Timer1));
  EXPECT_TRUE(on(TimerId::tmrListen));
  EXPECT_FALSE(promptShown());

  listen({VirtualKey::Backspace});
  EXPECT_TRUE(on(TimerId::Timer1));
  EXPECT_FALSE(on(TimerId::tmrListen));
  EXPECT_TRUE(on(TimerId::tmrMusic));  // pausing never touches the music
}

TEST_F(PlayControlWindow, F1StopsTheTickFromTheListenerAndFromTheTick) {
  listen({VirtualKey::F1});
  EXPECT_FALSE(on(TimerId::Timer1));
  EXPECT_FALSE(on(TimerId::tmrListen));
  form->setTimer(TimerId::Timer1, true);
  tick({VirtualKey::F1});
  EXPECT_FALSE(on(TimerId::Timer1));
  EXPECT_FALSE(on(TimerId::tmrListen));
}

TEST_F(PlayControlWindow, AClickOnTheCreditBannerStopsTheTickAndKeepsTheListener) {
  form->setTimer(TimerId::Timer1, true);
  QTest::mouseClick(form->creditBanner(), Qt::LeftButton);
  EXPECT_FALSE(on(TimerId::Timer1));
  EXPECT_TRUE(on(TimerId::tmrListen));
}

TEST_F(PlayControlWindow, EscapeInTheTickEndsTheProgramAndStopsEveryTimer) {
  listen({VirtualKey::Space});
  tick({VirtualKey::Escape});
  EXPECT_TRUE(form->ended());
  for (TimerId id : {TimerId::Timer1, TimerId::tmrListen, TimerId::tmrMusic}) EXPECT_FALSE(on(id));
  form->setTimer(TimerId::Timer1, true);  // nothing starts again once the program has ended
  EXPECT_FALSE(on(TimerId::Timer1));
}

TEST_F(PlayControlWindow, ClosingTheMainWindowEndsTheProgram) {
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(form->ended());
}

TEST_F(PlayControlWindow, SwitchingOnARunningTimerKeepsItsPeriod) {
  QTimer& t = form->timer(TimerId::tmrListen);
  QTest::qWait(50);
  const int before = t.remainingTime();
  form->setTimer(TimerId::tmrListen, true);
  EXPECT_LE(t.remainingTime(), before);
}

}  // namespace
