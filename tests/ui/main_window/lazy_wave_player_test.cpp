#include "ui/main_window/lazy_wave_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

namespace {

TEST(LazyWavePlayer, LoadsTheAudioModuleOnlyAtTheFirstRequest) {
  LazyWavePlayer player({ZUNDABAR_AUDIO_MODULE});
  EXPECT_FALSE(player.loaded());
  QTemporaryDir empty;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(empty.path());
  player.play("Music.wav");  // no such file: nothing plays, but the module is there now
  QDir::setCurrent(previous);
  EXPECT_TRUE(player.loaded());
}

TEST(LazyWavePlayer, WithoutTheModuleThePlayerSaysSoOnceAndStaysSilent) {
  LazyWavePlayer player({"/nonexistent/zundabar_audio.so"});
  testing::internal::CaptureStderr();
  player.play("Music.wav");
  player.play("Music.wav");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(player.loaded());
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("audio module"), std::string::npos) << said;
}

TEST(LazyWavePlayer, LooksBesideTheProgramAndInTheInstalledLibraryFolder) {
  const QStringList paths = LazyWavePlayer::modulePaths();
  ASSERT_EQ(paths.size(), 2);
  EXPECT_TRUE(paths[0].endsWith("/zundabar_audio"));
  EXPECT_TRUE(paths[1].endsWith("/../lib/zundabar/zundabar_audio"));
}

}  // namespace
