#include "play/music.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/fake_ports.h"

namespace {

struct MusicCase {
  const char* stored;  // nullptr: the key is missing
  bool plays;
  const char* after;
};

TEST(MusicStep, FollowsTheStoredMusicText) {
  const MusicCase cases[] = {{"True", true, "True"}, {"False", false, "False"},
                             {"", true, "True"},     {"true", true, "True"},
                             {"1", true, "True"},    {nullptr, true, "True"},
                             {"FALSE", true, "True"}};
  for (const MusicCase& c : cases) {
    FakeStore store;
    FakeWavePlayer player;
    if (c.stored) store.values["Music"] = c.stored;
    Music music(store, player);
    music.step();
    EXPECT_EQ(player.played.size(), c.plays ? 1u : 0u) << (c.stored ? c.stored : "missing");
    EXPECT_EQ(store.values["Music"], c.after);
    if (c.plays) {
      EXPECT_EQ(player.played[0], "Music.wav");
    }
  }
}

TEST(MusicStep, TrueAndFalseAreNeverWrittenBack) {
  for (const char* text : {"True", "False"}) {
    FakeStore store;
    FakeWavePlayer player;
    store.values["Music"] = text;
    Music(store, player).step();
    EXPECT_EQ(std::count_if(store.log.begin(), store.log.end(),
                            [](const std::string& l) { return l.rfind("save", 0) == 0; }),
              0);
  }
}

}  // namespace
