#include "ui/main_window/lazy_wave_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLibrary>
#include <QPointer>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "ui/main_window/audio_module.h"

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

// Each request plays the file found there now: a file whose modification time changed goes to a
// new sound effect, an unchanged one is not decoded anew.
TEST(QtWavePlayer, LoadsTheFileAgainOnlyOnceItsSizeOrModificationTimeChanged) {
  QLibrary module(ZUNDABAR_AUDIO_MODULE);
  auto create = reinterpret_cast<CreateWavePlayer>(module.resolve(kCreateWavePlayerSymbol));
  ASSERT_NE(create, nullptr);
  WavePlayer* player = nullptr;
  const std::unique_ptr<QObject> owner(create(&player));
  QTemporaryDir dir;
  const QString path = dir.filePath("Music.wav");
  ASSERT_TRUE(QFile::copy(ZUNDABAR_MUSIC_FILE, path));
  player->play(path.toStdString());
  const QPointer<QObject> effect = owner->findChild<QObject*>();
  ASSERT_TRUE(effect && effect->inherits("QSoundEffect"));
  player->play(path.toStdString());
  EXPECT_EQ(owner->findChild<QObject*>(), effect);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
  player->play(path.toStdString());
  EXPECT_TRUE(effect.isNull());
  EXPECT_NE(owner->findChild<QObject*>(), nullptr);
}

}  // namespace
