#include "ui/stores/options_file_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

#include "play/options_file_text.h"
#include "play/options_store.h"
#include "ui/stderr_report.h"
#include "ui/stores/platform_store.h"

namespace {

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

void write(const std::string& file, const std::string& bytes) {
  QFile f(QString::fromStdString(file));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string read(const std::string& file) {
  QFile f(QString::fromStdString(file));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<none>";
}

// What is at a path: its kind and, for a small regular file, its bytes.
std::string snapshot(const std::string& file) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) return "missing";
  const std::string kind = std::to_string(info.st_mode & S_IFMT) + ":";
  return S_ISREG(info.st_mode) && info.st_size < (1 << 20) ? kind + read(file) : kind;
}

std::string said(const std::function<void()>& act) {
  testing::internal::CaptureStderr();
  act();
  return testing::internal::GetCapturedStderr();
}

long lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

QString valueByQSettings(const std::string& file, const QString& key) {
  return QSettings(QString::fromStdString(file), QSettings::IniFormat).value(key).toString();
}

// The file as the game keeps its options: under the rules of every platform's store.
OptionsStore optionsIn(const std::string& path, OptionsFileStore::DiskCalls calls = {}) {
  return OptionsStore(std::make_unique<OptionsFileStore>(path, calls), tellOnStderr);
}

class OptionsFileStoreTest : public ::testing::Test {
 protected:
  QTemporaryDir home;
  const std::string path = home.path().toStdString() + "/VB and VBA Program Settings/ZNDBR.conf";

  void SetUp() override { QDir().mkpath(QString::fromStdString(folderOf(path))); }
  bool temporaryLeft() const {
    const QStringList names = QDir(QString::fromStdString(folderOf(path))).entryList();
    return std::any_of(names.begin(), names.end(),
                       [](const QString& n) { return n.contains(".tmp-"); });
  }
};

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

TEST_F(OptionsFileStoreTest, LivesWhereQSettingsKeepsTheOptions) {
  EXPECT_EQ(platformStoreLocation(), QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                               "VB and VBA Program Settings", "ZNDBR")
                                         .fileName());
}

TEST_F(OptionsFileStoreTest, ReadsWhatQSettingsWroteAndQSettingsReadsWhatItSaves) {
  {
    QSettings qt(QString::fromStdString(path), QSettings::IniFormat);
    qt.setValue("Other/Name", "kept");
    qt.setValue("Settings/Jump", "7");
    qt.setValue("Settings/Crates", "False");
  }
  write(path, read(path) + "# a note of the player's\n");
  OptionsStore store = optionsIn(path);
  EXPECT_EQ(said([&] {
              EXPECT_EQ(store.get("Jump"), "7");
              EXPECT_EQ(store.get("Music"), "");
              store.save("Music", "True");
              store.save("Jump", "4");
            }),
            "");
  EXPECT_EQ(valueByQSettings(path, "Settings/Jump"), "4");
  EXPECT_EQ(valueByQSettings(path, "Settings/Music"), "True");
  EXPECT_EQ(valueByQSettings(path, "Settings/Crates"), "False");
  EXPECT_EQ(valueByQSettings(path, "Other/Name"), "kept");
  EXPECT_NE(read(path).find("# a note of the player's\n"), std::string::npos);
  EXPECT_EQ(optionsIn(path).get("Crates"), "False");
}

// Each hand-written value reads as QSettings reads it, and QSettings reads each saved text back.
// Every file is new: QSettings keeps what it read of a file it has seen.
TEST_F(OptionsFileStoreTest, ValuesAreEscapedAndReadAsQSettingsDoes) {
  int files = 0;
  for (const std::string line : {"K=True",           "K = True ",
                                 "K=\"True\"",       "K=\" True \"",
                                 "K=True ; note",    "K=Tr\"ue\"",
                                 "K=\"a;b\"",        "K=a,b",
                                 "K=a\\,b",          "K=\\x41\\x42",
                                 "K=\\101x",         "K=a\\tb",
                                 "K=@Invalid()",     "K=@ByteArray(False)",
                                 "K=@String(False)", "K=@@False",
                                 "K=@Rect(1 2 3 4)", "K=@Foo",
                                 "%4B=by escape",    "K=x=y",
                                 "K=\"multi\nline",  "K=caf\xc3\xa9",
                                 "K=tail \\"}) {
    const std::string file = path + std::to_string(files++);
    write(file, "[Sett%69ngs]\n" + line + "\n");
    EXPECT_EQ(OptionsFileText(read(file)).value("Settings", "K").value_or(""),
              valueByQSettings(file, "Settings/K").toStdString())
        << line;
  }
  for (const std::string& text :
       {std::string("True"), std::string(" lead"), std::string("a,b;c=d"), std::string("q\"x\\y"),
        std::string("t\tn\nx\0011@"), std::string("@at"),
        std::string("\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"), std::string("a\0001b", 4)}) {
    OptionsFileText written;
    written.setValue("Settings", "K\xc3\xa9 y/z", text);
    const std::string file = path + std::to_string(files++);
    write(file, written.text());
    EXPECT_EQ(valueByQSettings(file, QString::fromUtf8("Settings/K\xc3\xa9 y/z")).toStdString(),
              text)
        << written.text();
  }
}

// What stands where the options file should be: a FIFO, a directory, or a link to `what`.
void replaceFile(const std::string& path, const std::string& what) {
  if (what.empty()) return;
  ASSERT_EQ(::unlink(path.c_str()), 0);
  if (what == "FIFO") {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  } else if (what == "directory") {
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  } else {
    ASSERT_EQ(::symlink(what.c_str(), path.c_str()), 0);
  }
}

struct FailedSave {
  const char* name;
  const char* inPlace;  // what replaces the file, for replaceFile
  OptionsFileStore::DiskCalls calls;
  const char* why;
};
void PrintTo(const FailedSave& c, std::ostream* out) { *out << c.name; }

class ASaveThatCannotReachTheDisk : public OptionsFileStoreTest,
                                    public ::testing::WithParamInterface<FailedSave> {};

// The old file stays byte for byte, one line tells which option failed and why, and the new value
// holds for the rest of the game.
TEST_P(ASaveThatCannotReachTheDisk, KeepsTheOldFileTellsWhyOnceAndHoldsTheValue) {
  write(path, "[Settings]\nJump=4\nCrates=False\n");
  replaceFile(path, GetParam().inPlace);
  const std::string before = snapshot(path);
  OptionsStore store = optionsIn(path, GetParam().calls);
  const std::string line = said([&] {
    store.save("Jump", "9");
    store.save("Jump", "9");
    EXPECT_EQ(store.get("Jump"), "9");
  });
  EXPECT_EQ(lineCount(line), 1) << line;
  EXPECT_EQ(line.find("zundabar: could not save the option Jump to " + path + ": "), 0) << line;
  EXPECT_NE(line.find(GetParam().why), std::string::npos) << line;
  EXPECT_EQ(snapshot(path), before);
  EXPECT_FALSE(temporaryLeft());
}

ssize_t halfThenFull(int fd, const void* bytes, size_t count) {
  if (count > 1) return ::write(fd, bytes, count / 2);
  errno = ENOSPC;
  return -1;
}
int failedFlush(int) {
  errno = EIO;
  return -1;
}

INSTANTIATE_TEST_SUITE_P(
    OptionsFileStore, ASaveThatCannotReachTheDisk,
    ::testing::Values(
        FailedSave{"FullDisk", "", {halfThenFull, ::fsync}, "No space left on device"},
        FailedSave{"FailedFlush", "", {::write, failedFlush}, "Input/output error"},
        FailedSave{"Fifo", "FIFO", {}, "it is a FIFO"},
        FailedSave{"LinkToADevice", "/dev/null", {}, "it is a character device"},
        FailedSave{"Directory", "directory", {}, "it is a directory"},
        FailedSave{"LinkToNothing", "gone/ZNDBR.conf", {}, "No such file or directory"}),
    caseName<FailedSave>);

struct DamagedFile {
  const char* name;
  std::string bytes;
  long long sizeBytes;  // beyond the bytes, as a sparse file; 0 to keep them as they are
  const char* keptAs;   // names before it hold earlier copies
};
void PrintTo(const DamagedFile& c, std::ostream* out) { *out << c.name; }

class ADamagedFile : public OptionsFileStoreTest,
                     public ::testing::WithParamInterface<DamagedFile> {};

// Told once, the options take their defaults, and a save keeps the damaged file under a name that
// overwrites no earlier copy.
TEST_P(ADamagedFile, ReadsAsDefaultsAndIsKeptUnderAFreeName) {
  const bool earlierCopies = std::string(GetParam().keptAs) != ".corrupt";
  if (earlierCopies) {
    write(path + ".corrupt", "earlier");
    write(path + ".corrupt.1", "earlier too");
  }
  write(path, GetParam().bytes);
  if (GetParam().sizeBytes != 0) {
    ASSERT_EQ(::truncate(path.c_str(), GetParam().sizeBytes), 0);
  }
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  OptionsStore store = optionsIn(path);
  const std::string line = said([&] {
    EXPECT_EQ(store.get("Jump"), "");
    EXPECT_EQ(store.get("Crates"), "");
  });
  EXPECT_EQ(lineCount(line), 1) << line;
  EXPECT_NE(line.find("the options file " + path + " is damaged"), std::string::npos) << line;

  const std::string kept = path + GetParam().keptAs;
  EXPECT_EQ(said([&] { store.save("Jump", "9"); }), "zundabar: the options file " + path +
                                                        " was damaged; it is kept as " + kept +
                                                        " and a new one is written\n");
  struct stat after {};
  ASSERT_EQ(::stat(kept.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_size, before.st_size);
  EXPECT_EQ(read(path), "[Settings]\nJump=9\n");
  if (earlierCopies) {
    EXPECT_EQ(read(path + ".corrupt"), "earlier");
    EXPECT_EQ(read(path + ".corrupt.1"), "earlier too");
  }
}

const std::string kOptions = "[Settings]\nJump=4\n";

INSTANTIATE_TEST_SUITE_P(
    OptionsFileStore, ADamagedFile,
    ::testing::Values(
        DamagedFile{"Binary", kOptions + std::string("\0\xff", 2), 0, ".corrupt"},
        DamagedFile{
            "OneByteOverTheLimit",
            kOptions + std::string(OptionsFileStore::kMaxFileBytes + 1 - kOptions.size(), ';'), 0,
            ".corrupt"},
        DamagedFile{"SparseSixtyFourGigabytes", kOptions, 64LL << 30, ".corrupt"},
        DamagedFile{"WithEarlierKeptCopies", std::string("\0\0\0", 3), 0, ".corrupt.2"}),
    caseName<DamagedFile>);

struct Leftover {
  const char* name;
  const char* lock;        // what stands where the lock goes: "directory", "file" or "held"
  const char* linkedFrom;  // where the file really is, when the options path is a link to it
};
void PrintTo(const Leftover& c, std::ostream* out) { *out << c.name; }

class SavingPastWhatOthersLeft : public OptionsFileStoreTest,
                                 public ::testing::WithParamInterface<Leftover> {};

// A lock left behind, or held by a game that never lets go, and a link to the file elsewhere
// neither stop a save nor make it say anything.
TEST_P(SavingPastWhatOthersLeft, SavesKeepingTheOtherOptionsAndSaysNothing) {
  const std::string options = "; notes\n[Settings]\n# Crates off for now\nCrates=False\nJump=4\n";
  std::string file = path;
  if (*GetParam().linkedFrom) {
    file = home.path().toStdString() + GetParam().linkedFrom;
    ASSERT_EQ(::symlink(file.c_str(), path.c_str()), 0);
  }
  write(file, options);
  const std::string lock = file + ".lock";
  const std::string kind = GetParam().lock;
  if (kind == "directory") {
    ASSERT_EQ(::mkdir(lock.c_str(), 0700), 0);
  }
  if (kind == "file") write(lock, "4242\nzundabar\nhost\n");
  const int held = kind == "held" ? ::open(lock.c_str(), O_RDWR | O_CREAT, 0600) : -1;
  if (held >= 0) {
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
  }

  OptionsStore store = optionsIn(path);
  EXPECT_EQ(said([&] { store.save("Jump", "9"); }), "");
  if (held >= 0) ::close(held);
  EXPECT_EQ(read(file), options.substr(0, options.size() - 2) + "9\n");
  EXPECT_EQ(optionsIn(path).get("Jump"), "9");
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_EQ(S_ISLNK(info.st_mode), *GetParam().linkedFrom != '\0');
  EXPECT_FALSE(temporaryLeft());
}

INSTANTIATE_TEST_SUITE_P(OptionsFileStore, SavingPastWhatOthersLeft,
                         ::testing::Values(Leftover{"ALockDirectory", "directory", ""},
                                           Leftover{"ALockFileOfAKilledGame", "file", ""},
                                           Leftover{"ALockNeverReleased", "held", ""},
                                           Leftover{"ALinkToTheFileElsewhere", "", "/dots.conf"}),
                         caseName<Leftover>);

// Each key is saved once, so a save that loses the other game's last key loses it for good. The
// games press Set as fast as a player can, not back to back, which would starve the other's lock.
TEST_F(OptionsFileStoreTest, TwoGamesSavingAtOnceBothKeepEveryKey) {
  constexpr int kSaves = 30;
  constexpr auto kBetweenPresses = std::chrono::milliseconds(30);
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    if (children[c] == 0) {
      OptionsStore store = optionsIn(path);
      for (int i = 0; i < kSaves; ++i) {
        store.save("Game" + std::to_string(c) + "Key" + std::to_string(i), "True");
        std::this_thread::sleep_for(kBetweenPresses);
      }
      ::_exit(0);
    }
  }
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  OptionsStore store = optionsIn(path);
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < kSaves; ++i) {
      EXPECT_EQ(store.get("Game" + std::to_string(c) + "Key" + std::to_string(i)), "True");
    }
  }
}

TEST_F(OptionsFileStoreTest, TemporaryFilesOfKilledGamesAreRemovedAtStart) {
  const pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ::waitpid(dead, nullptr, 0);
  const std::string prefix = path + ".tmp-";
  const std::string ofDead = prefix + std::to_string(dead) + "-1a2b";
  const std::string fresh = prefix + std::to_string(::getpid()) + "-3c4d";
  const std::string stale = prefix + std::to_string(::getpid()) + "-5e6f";
  const std::string notOurs = prefix + "notes";
  for (const std::string& file : {ofDead, fresh, stale, notOurs}) write(file, "[Settings]\n");
  const struct timespec longAgo[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 120, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, stale.c_str(), longAgo, 0), 0);
  OptionsFileStore store(path);
  EXPECT_EQ(snapshot(ofDead), "missing");
  EXPECT_EQ(snapshot(stale), "missing");
  EXPECT_NE(snapshot(fresh), "missing");
  EXPECT_NE(snapshot(notOurs), "missing");
}

TEST_F(OptionsFileStoreTest, ADamagedLineOrAnOverlongValueIsToldOnceAndTheRestCounts) {
  write(path, "[Settings]\nProgression=7\nthis is not an option\nJump=" + std::string(100, '9') +
                  "\nMusic=False\n");
  OptionsStore store = optionsIn(path);
  const std::string line = said([&] {
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(store.get("Progression"), "7");
      EXPECT_EQ(store.get("Jump"), "");
    }
    store.save("Crates", "False");
  });
  EXPECT_EQ(lineCount(line), 2) << line;
  EXPECT_NE(line.find("line 3 of the options file " + path + " is damaged"), std::string::npos);
  EXPECT_NE(line.find("the option Jump in " + path + " is 100 characters long"), std::string::npos);
  EXPECT_NE(read(path).find("this is not an option\n"), std::string::npos);
  EXPECT_EQ(store.get("Music"), "False");
}

TEST(OutsideText, IsPrintedWithEveryControlCharacterEscaped) {
  EXPECT_EQ(printable("/home/\x1b]0;owned\x07/\x1b[31mred\xc2\x9b"
                      "2J\x7f"),
            "/home/\\x1b]0;owned\\x07/\\x1b[31mred\\xc2\\x9b2J\\x7f");
  EXPECT_EQ(printable("a\nb\tc\r\xff\xc3"), "a\\nb\\tc\\r\\xff\\xc3");
  EXPECT_EQ(printable("Caf\xc3\xa9 \xe2\x98\x95 \xf0\x9f\x8e\xb5"),
            "Caf\xc3\xa9 \xe2\x98\x95 \xf0\x9f\x8e\xb5");
}

}  // namespace

int main(int argc, char** argv) {
  // The location follows XDG_CONFIG_HOME, so the test gets its own before Qt looks.
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
