#include <QtTest/QTest>

#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/about_window/about_window.h"
#include "ui/options_window/options_window.h"

namespace {

// The play-control states on the real window, driven by scripted keys.
class PlayControlWindow : public MainWindowFixture {
 protected:
  bool on(TimerId id) { return form->timer(id).isActive(); }
  bool promptShown() { return !find("startPrompt")->isHidden(); }
  void listen(std::initializer_list<VirtualKey> held) {
    keys.held = held;
    form->playControl().pollStartKeys();
  }
  void tick(std::initializer_list<VirtualKey> held) {
    keys.held = held;
    state().playerY = 0;
    form->game().tick();
  }
};

TEST_F(PlayControlWindow, SpaceStartsPlayAndMusicBackspacePausesAndResumes) {
  EXPECT_TRUE(promptShown());
  listen({VirtualKey::Space});
  EXPECT_FALSE(promptShown());
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_FALSE(on(TimerId::Listener));
  EXPECT_TRUE(on(TimerId::MusicReplay));
  EXPECT_EQ(player.played, (std::vector<std::string>{"Music.wav"}));
  EXPECT_EQ(store.values["Music"], "True");

  tick({VirtualKey::Backspace});
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));
  EXPECT_FALSE(promptShown());

  listen({VirtualKey::Backspace});
  EXPECT_TRUE(on(TimerId::Tick));
  EXPECT_FALSE(on(TimerId::Listener));
  EXPECT_TRUE(on(TimerId::MusicReplay));  // pausing never touches the music
}

TEST_F(PlayControlWindow, F1StopsTheTickFromTheListenerAndFromTheTick) {
  listen({VirtualKey::F1});
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_FALSE(on(TimerId::Listener));
  form->setTimer(TimerId::Tick, true);
  tick({VirtualKey::F1});
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_FALSE(on(TimerId::Listener));
}

TEST_F(PlayControlWindow, AClickOnTheCreditBannerStopsTheTickAndKeepsTheListener) {
  form->setTimer(TimerId::Tick, true);
  QTest::mouseClick(form->creditBanner(), Qt::LeftButton);
  EXPECT_FALSE(on(TimerId::Tick));
  EXPECT_TRUE(on(TimerId::Listener));
}

TEST_F(PlayControlWindow, EscapeInTheTickEndsTheProgramAndStopsEveryTimer) {
  listen({VirtualKey::Space});
  tick({VirtualKey::Escape});
  EXPECT_TRUE(form->ended());
  for (TimerId id : {TimerId::Tick, TimerId::Listener, TimerId::MusicReplay}) EXPECT_FALSE(on(id));
  form->setTimer(TimerId::Tick, true);  // nothing starts again once the program has ended
  EXPECT_FALSE(on(TimerId::Tick));
}

TEST_F(PlayControlWindow, ClosingTheMainWindowEndsTheProgramAndNothingPlaysOnAfterwards) {
  form->show();
  form->showOptions();
  form->showAbout();
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(form->ended());
  // Nor when the other windows go with it.
  form->optionsWindow()->close();
  form->aboutWindow()->close();
  for (TimerId id : {TimerId::Tick, TimerId::Listener, TimerId::MusicReplay}) EXPECT_FALSE(on(id));
}

TEST_F(PlayControlWindow, SwitchingOnARunningTimerKeepsItsPeriod) {
  QTimer& t = form->timer(TimerId::Listener);
  QTest::qWait(50);
  const int before = t.remainingTime();
  form->setTimer(TimerId::Listener, true);
  EXPECT_LE(t.remainingTime(), before);
}

}  // namespace
