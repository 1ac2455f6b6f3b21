#include "play/play_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/fake_ports.h"

namespace {

// Records what the session asks of the windows; the message stays open until the test closes it.
class FakeWindows final : public GameWindows {
 public:
  std::vector<std::string> log;
  std::map<TimerId, int> intervals;

  void setCaption(LabelId, const std::string&) override {}
  void setBackColor(LabelId, Rgb) override {}
  void setLabelVisible(LabelId, bool) override {}
  void restoreDesignedGeometry() override {}
  void startTimer(TimerId timer, int intervalMs) override {
    intervals[timer] = intervalMs;
    log.push_back(std::string(FakeControls::timerName(timer)) + " on");
  }
  void stopTimer(TimerId timer) override {
    log.push_back(std::string(FakeControls::timerName(timer)) + " off");
  }
  void finishFrame() override {}
  void showMessage(const std::string& caption, const std::string& text) override {
    log.push_back("message " + caption + ": " + text);
  }
  void closeMessage() override { log.push_back("close message"); }
  void padAction(SecondaryWindow w, PadWindowAction action) override {
    log.push_back("pad " + name(w) + " " + std::to_string(static_cast<int>(action)));
  }
  void showMainWindow() override { log.push_back("show main"); }
  void takeKeyboard() override { log.push_back("keyboard"); }
  void createWindow(SecondaryWindow w) override { log.push_back("create " + name(w)); }
  void showWindow(SecondaryWindow w) override { log.push_back("show " + name(w)); }
  void hideWindow(SecondaryWindow w) override { log.push_back("hide " + name(w)); }
  void destroyWindow(SecondaryWindow w) override { log.push_back("destroy " + name(w)); }
  void quit() override { log.push_back("quit"); }

  static std::string name(SecondaryWindow w) {
    return w == SecondaryWindow::Options ? "options" : "about";
  }
  bool logged(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
  }
};

class Session : public ::testing::Test {
 protected:
  FakeKeys keys;
  FakePlayfield playfield;
  FakeWindows windows;
  FakeStore store;
  FakeWavePlayer player;
  ScriptedRandom random;
  PlaySession session{SessionPorts{keys, playfield, windows, store, player, random}};

  void SetUp() override {
    random.values.assign(20, 0.5f);
    session.start();
    windows.log.clear();
  }
  // Space at the prompt, then the player just above the ledge, outside the gap.
  void playToTheLandingTick() {
    keys.held = {VirtualKey::Space};
    session.timerFired(TimerId::Listener);
    keys.held = {};
    GameState& s = session.game().state();
    s.playerY = static_cast<int16_t>(s.ledgeY - 50);
    s.playerX = static_cast<int16_t>(s.gapRight + 100);
    random.values.assign(30, 0.5f);
    windows.log.clear();
  }
};

TEST_F(Session, StartsWithTheListenerThenTheFirstLevelThenShowsTheWindowWithTheKeyboard) {
  FakeWindows fresh;
  random.values.assign(20, 0.5f);
  PlaySession other{SessionPorts{keys, playfield, fresh, store, player, random}};
  other.start();
  EXPECT_EQ(fresh.log, (std::vector<std::string>{"listener on", "show main", "keyboard"}));
  EXPECT_EQ(fresh.intervals[TimerId::Listener], 100);
  EXPECT_EQ(other.game().state().level, 1);
  EXPECT_TRUE(other.timerOn(TimerId::Listener));
  EXPECT_FALSE(other.timerOn(TimerId::Tick));
}

TEST_F(Session, TicksWhileTheLandingMessageIsOpenAreDroppedAndItsClosingSetsUpOnce) {
  playToTheLandingTick();
  session.timerFired(TimerId::Tick);
  ASSERT_TRUE(session.messageOpen());
  EXPECT_EQ(windows.log.back().rfind("message Zundabar: You have failed round 1.", 0), 0u);
  const size_t drawsLeft = random.values.size();
  for (int i = 0; i < 5; ++i) session.timerFired(TimerId::Tick);
  EXPECT_EQ(random.values.size(), drawsLeft);  // no second landing, no setup yet
  EXPECT_TRUE(session.timerOn(TimerId::Tick));
  // The Escape that closed the box is no key of the game's.
  keys.pending = {VirtualKey::Escape};
  session.messageClosed();
  const size_t afterSetup = random.values.size();
  EXPECT_LT(afterSetup, drawsLeft);
  session.messageClosed();
  EXPECT_EQ(random.values.size(), afterSetup);
  EXPECT_FALSE(session.messageOpen());
  EXPECT_EQ(session.game().state().score, 0);  // a new game
  EXPECT_EQ(windows.log.back(), "keyboard");
  session.timerFired(TimerId::Tick);
  EXPECT_FALSE(session.ended());
}

TEST_F(Session, ResumeGamePutsPlayBackOnBeforeTheOptionsWindowHides) {
  session.showOptions();
  session.resumeGamePressed();
  EXPECT_EQ(windows.log, (std::vector<std::string>{"create options", "show options", "tick on",
                                                   "listener off", "hide options", "keyboard"}));
}

TEST_F(Session, CloseHidesTheAboutWindowBeforePlayGoesOn) {
  session.showAbout();
  session.aboutClosePressed();
  EXPECT_EQ(windows.log, (std::vector<std::string>{"create about", "show about", "hide about",
                                                   "keyboard", "tick on"}));
}

TEST_F(Session, AWindowClosedOtherwisePlaysOnIsDestroyedAndIsMadeAfreshNextTime) {
  session.showOptions();
  session.windowClosedOtherwise(SecondaryWindow::Options);
  EXPECT_TRUE(session.timerOn(TimerId::Tick));
  EXPECT_TRUE(windows.logged("destroy options"));
  windows.log.clear();
  session.showOptions();
  session.resumeGamePressed();
  session.showOptions();  // only hidden since: shown again as it was
  EXPECT_EQ(windows.log.front(), "create options");
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "create options"), 1);
}

TEST_F(Session, TheCreditBannerOpensAboutOnlyOnAPressAndAReleaseInsideIt) {
  session.creditBannerPressed(false);
  session.creditBannerReleased(true);
  session.creditBannerPressed(true);
  session.creditBannerReleased(false);
  EXPECT_FALSE(windows.logged("show about"));
  session.creditBannerPressed(true);
  session.creditBannerReleased(true);
  EXPECT_TRUE(windows.logged("show about"));
}

TEST_F(Session, EndingStopsEveryTimerThenQuitsAndNothingRunsAfter) {
  playToTheLandingTick();
  session.setTimer(TimerId::MusicReplay, true);
  session.timerFired(TimerId::Tick);  // the landing message opens
  session.mainWindowClosing();
  EXPECT_EQ(std::vector<std::string>(windows.log.end() - 3, windows.log.end()),
            (std::vector<std::string>{"tick off", "musicReplay off", "quit"}));
  windows.log.clear();
  session.messageClosed();
  session.setTimer(TimerId::Tick, true);
  session.showOptions();
  session.creditBannerPressed(true);
  session.creditBannerReleased(true);
  session.mainWindowClosing();
  EXPECT_TRUE(windows.log.empty());
}

}  // namespace

namespace {

PadReadings padHolding(std::initializer_list<PadButton> held) {
  PadReading reading;
  reading.padId = 7;
  for (PadButton button : held) reading[button] = true;
  return {reading};
}

// Presses and lets go of a pad's button, as two polls read it.
void tap(PlaySession& session, PadButton button) {
  session.padsRead(padHolding({button}));
  session.padsRead(padHolding({}));
}

TEST_F(Session, StartOnAPadStartsPausesAndResumesAndBackOpensTheOptions) {
  EXPECT_EQ(session.padScene(), PadScene::StartPrompt);
  tap(session, PadButton::Start);
  session.timerFired(TimerId::Listener);
  EXPECT_EQ(session.padScene(), PadScene::Playing);
  EXPECT_TRUE(windows.logged("musicReplay on"));  // started as Space starts it

  tap(session, PadButton::Start);
  session.timerFired(TimerId::Tick);
  EXPECT_EQ(session.padScene(), PadScene::Paused);
  tap(session, PadButton::Start);
  session.timerFired(TimerId::Listener);
  EXPECT_EQ(session.padScene(), PadScene::Playing);

  // A resume held on past the listener and the next tick stays a resume.
  session.padsRead(padHolding({PadButton::Start}));
  session.timerFired(TimerId::Tick);
  session.timerFired(TimerId::Listener);
  session.timerFired(TimerId::Tick);
  EXPECT_EQ(session.padScene(), PadScene::Paused);
  session.padsRead(padHolding({}));
  session.padsRead(padHolding({PadButton::Start}));
  session.timerFired(TimerId::Listener);
  session.timerFired(TimerId::Tick);
  EXPECT_EQ(session.padScene(), PadScene::Playing);
  session.padsRead(padHolding({}));

  tap(session, PadButton::Back);
  session.timerFired(TimerId::Tick);
  EXPECT_EQ(session.padScene(), PadScene::OptionsWindow);
  EXPECT_FALSE(session.ended());
}

TEST_F(Session, InTheWindowsThePadMovesTheFocusAndBClosesTheOneInFront) {
  session.showOptions();
  tap(session, PadButton::DpadDown);
  EXPECT_EQ(windows.log.back(), "pad options " + std::to_string(int(PadWindowAction::FocusDown)));
  session.showAbout();
  EXPECT_EQ(session.padScene(), PadScene::AboutWindow);
  windows.log.clear();
  tap(session, PadButton::East);
  EXPECT_TRUE(windows.logged("hide about"));
  EXPECT_FALSE(windows.logged("hide options"));
  EXPECT_EQ(session.padScene(), PadScene::OptionsWindow);
  tap(session, PadButton::East);
  EXPECT_TRUE(windows.logged("hide options"));
  EXPECT_EQ(session.padScene(), PadScene::Playing);
  // B held on into play is nothing of the game's, nor is A that closed nothing.
  session.padsRead(padHolding({PadButton::East}));
  EXPECT_FALSE(session.ended());
}

TEST_F(Session, AOrBClosesTheLandingMessageAndTheButtonsAfterItActOnNothing) {
  playToTheLandingTick();
  session.timerFired(TimerId::Tick);
  ASSERT_EQ(session.padScene(), PadScene::Message);
  tap(session, PadButton::South);
  EXPECT_EQ(windows.log.back(), "close message");
  session.messageClosed();
  EXPECT_EQ(session.padScene(), PadScene::Playing);
  playToTheLandingTick();
  session.timerFired(TimerId::Tick);
  windows.log.clear();
  tap(session, PadButton::East);
  EXPECT_EQ(windows.log, (std::vector<std::string>{"close message"}));
}

}  // namespace
