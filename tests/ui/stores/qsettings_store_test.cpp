#include "ui/stores/qsettings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// The store's location is fixed for the whole process, so one temporary XDG_CONFIG_HOME
// serves every test; each test starts without an options file.
class QSettingsStoreTest : public ::testing::Test {
 protected:
  static QString configHome() {
    static QTemporaryDir dir;
    return dir.path();
  }
  void SetUp() override {
    QDir(configHome()).removeRecursively();
    QDir().mkpath(configHome());
  }
  static QString file() { return QSettingsStore::location(); }
  static void writeFile(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file()).path());
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray readFile() {
    QFile f(file());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 public:
  static void prepareEnvironment() { setenv("XDG_CONFIG_HOME", qPrintable(configHome()), 1); }
};

TEST_F(QSettingsStoreTest, LivesWhereTheGameSaysItKeepsItsOptions) {
  EXPECT_EQ(file(), configHome() + "/VB and VBA Program Settings/ZNDBR.conf");
}

TEST_F(QSettingsStoreTest, TheFourKeysRoundTripAsTextAndAMissingKeyReadsEmpty) {
  QSettingsStore store;
  EXPECT_EQ(store.get("Music"), "");
  store.save("Progression", "10");
  store.save("Jump", "7");
  store.save("Crates", "False");
  store.save("Music", "True");
  QSettingsStore later;
  EXPECT_EQ(later.get("Progression"), "10");
  EXPECT_EQ(later.get("Jump"), "7");
  EXPECT_EQ(later.get("Crates"), "False");
  EXPECT_EQ(later.get("Music"), "True");
  const QByteArray text = readFile();
  EXPECT_TRUE(text.contains("[Settings]")) << text.toStdString();
  EXPECT_TRUE(text.contains("Progression=10")) << text.toStdString();
}

TEST_F(QSettingsStoreTest, AFileWrittenByHandIsReadAsItStands) {
  writeFile("[Settings]\nCrates=false\nJump=\nProgression=7\n");
  QSettingsStore store;
  EXPECT_EQ(store.get("Crates"), "false");
  EXPECT_EQ(store.get("Jump"), "");
  EXPECT_EQ(store.get("Progression"), "7");
}

TEST_F(QSettingsStoreTest, ACorruptFileReadsAsDefaultsSaysSoOnceAndIsKeptWhenSaving) {
  QByteArray garbage("[Settings]\nMusic=False\n");
  garbage.append('\0').append("\xff\xfe binary", 9);
  writeFile(garbage);
  QSettingsStore store;
  testing::internal::CaptureStderr();
  EXPECT_EQ(store.get("Music"), "");
  EXPECT_EQ(store.get("Jump"), "");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(file().toStdString()), std::string::npos) << said;

  testing::internal::CaptureStderr();
  store.save("Jump", "4");
  const std::string saidOnSave = testing::internal::GetCapturedStderr();
  EXPECT_NE(saidOnSave.find(".corrupt"), std::string::npos) << saidOnSave;
  EXPECT_EQ(store.get("Jump"), "4");
  QFile kept(file() + ".corrupt");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), garbage);
}

TEST_F(QSettingsStoreTest, AnUnwritableLocationSaysSoNamingTheFileAndDoesNotCrash) {
  // A regular file where the folder should be: even root cannot write below it.
  QFile blocker(configHome() + "/VB and VBA Program Settings");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSettingsStore store;
  testing::internal::CaptureStderr();
  store.save("Progression", "9");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(file().toStdString()), std::string::npos) << said;
  EXPECT_NE(said.find("Progression"), std::string::npos) << said;
  EXPECT_EQ(store.get("Progression"), "");
}

TEST_F(QSettingsStoreTest, ADamagedLineIsToldOnceAndTheOtherLinesStillCount) {
  writeFile("[Settings]\nProgression=7\nthis is not an option\nJump=4\n[Setti");
  QSettingsStore store;
  testing::internal::CaptureStderr();
  EXPECT_EQ(store.get("Progression"), "7");
  EXPECT_EQ(store.get("Jump"), "4");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("line 3 of the options file " + file().toStdString()), std::string::npos)
      << said;
  // Saving keeps the readable options and says nothing more.
  testing::internal::CaptureStderr();
  store.save("Music", "True");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(QSettingsStore().get("Progression"), "7");
  EXPECT_EQ(QSettingsStore().get("Music"), "True");
}

TEST_F(QSettingsStoreTest, AnOverlongValueIsIgnoredAndToldOnce) {
  writeFile("[Settings]\nProgression=" + QByteArray(100000, '9') + "\nJump=4\n");
  QSettingsStore store;
  testing::internal::CaptureStderr();
  EXPECT_EQ(store.get("Progression"), "");
  EXPECT_EQ(store.get("Progression"), "");
  EXPECT_EQ(store.get("Jump"), "4");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("Progression"), std::string::npos) << said;
}

}  // namespace

int main(int argc, char** argv) {
  QSettingsStoreTest::prepareEnvironment();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
