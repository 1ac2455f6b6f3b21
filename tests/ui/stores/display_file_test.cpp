#include "ui/stores/display_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <functional>

namespace {

// A guarded file never waits on what it finds; a child still at work after this has blocked.
constexpr unsigned kPatienceS = 5;
constexpr int kBlocked = -SIGALRM;  // how a child ended for want of patience
constexpr int kCannotRunHere = 77;
constexpr uid_t kNobodyId = 65534;

const std::string kOldText = "[Display]\nZoom=2\nFullScreen=false\n";

struct ChildRun {
  int status;  // the exit status, or minus the signal that ended the child
  std::string said;
};

// Runs act in a child process, whose stderr is a pipe: a regular file there would be bound by the
// file size limits the tests set.
ChildRun inChild(const std::function<int()>& act) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return {-1, "no pipe"};
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipeEnds[1], STDERR_FILENO);
    ::close(pipeEnds[0]);
    ::alarm(kPatienceS);
    ::_exit(act());
  }
  ::close(pipeEnds[1]);
  ChildRun run{0, {}};
  char bytes[512];
  for (ssize_t n; (n = ::read(pipeEnds[0], bytes, sizeof bytes)) != 0;) {
    if (n > 0) run.said.append(bytes, static_cast<std::size_t>(n));
    if (n < 0 && errno != EINTR) break;
  }
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  run.status = WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
  return run;
}

// What is at a path: its kind and, for a regular file, its bytes.
std::string snapshot(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "missing";
  std::string kind = std::to_string(info.st_mode & S_IFMT) + ":";
  QFile file(QString::fromStdString(path));
  if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly)) kind += file.readAll().toStdString();
  return kind;
}

bool temporaryLeftIn(const std::string& folder) {
  return !QDir(QString::fromStdString(folder)).entryList({"*.tmp-*"}, QDir::AllEntries).isEmpty();
}

std::string saveFailure(const std::string& path, const std::string& why) {
  return "zundabar: could not save the display settings to " + path + ": " + why + "\n";
}

class DisplayFileTest : public ::testing::Test {
 protected:
  QTemporaryDir home;
  const std::string folder = home.path().toStdString() + "/Zundabar";
  const std::string path = folder + "/display.conf";

  void SetUp() override { ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0); }
};

ssize_t fullDisk(int, const void*, size_t) {
  errno = ENOSPC;
  return -1;
}
int fileTooLarge(int) {
  errno = EFBIG;
  return -1;
}

struct FailedWrite {
  const char* name;
  DiskCalls calls;
  bool noFileSizeAllowed;  // for real, by the limit on the size of a file
  const char* why;
};
void PrintTo(const FailedWrite& c, std::ostream* out) { *out << c.name; }

class ADisplaySaveThatCannotReachTheDisk : public DisplayFileTest,
                                           public ::testing::WithParamInterface<FailedWrite> {};

// The reason is the system's own, whichever call met it.
TEST_P(ADisplaySaveThatCannotReachTheDisk, KeepsTheOldFileAndTellsWhyInOneLine) {
  std::ofstream(path) << kOldText;
  const std::string before = snapshot(path);
  const ChildRun run = inChild([&] {
    if (GetParam().noFileSizeAllowed) {
      ::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{};
      ::getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = 0;
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return kCannotRunHere;
    }
    DisplayFile(QString::fromStdString(path), GetParam().calls).save({3, true});
    return 0;
  });
  if (run.status == kCannotRunHere) GTEST_SKIP() << "no limit on the size of a file can be set";
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.said, saveFailure(path, GetParam().why));
  EXPECT_EQ(snapshot(path), before);
  EXPECT_FALSE(temporaryLeftIn(folder));
}

INSTANTIATE_TEST_SUITE_P(
    DisplayFile, ADisplaySaveThatCannotReachTheDisk,
    ::testing::Values(
        FailedWrite{"FullDisk", {fullDisk, ::fsync}, false, "No space left on device"},
        FailedWrite{"FileTooLargeAtTheFlush", {::write, fileTooLarge}, false, "File too large"},
        FailedWrite{"NoFileSizeAllowed", {}, true, "File too large"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NotRegular {
  const char* name;
  bool device;           // a character device of our own, or else a FIFO
  const char* linkedTo;  // a name in the folder the path is a symbolic link to, or "" for none
  const char* why;
};
void PrintTo(const NotRegular& c, std::ostream* out) { *out << c.name; }

class WhatIsNotARegularFile : public DisplayFileTest,
                              public ::testing::WithParamInterface<NotRegular> {};

// A blocking open of a FIFO with no writer would never return; a rename would put a regular file
// in place of the FIFO or the device.
TEST_P(WhatIsNotARegularFile, IsNotReadOrReplacedAndEachTryIsToldInOneLine) {
  const bool linked = *GetParam().linkedTo != '\0';
  const std::string thing = linked ? folder + "/" + GetParam().linkedTo : path;
  if (GetParam().device) {
    if (::mknod(thing.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
      GTEST_SKIP() << "no device node can be made here";
    }
  } else {
    ASSERT_EQ(::mkfifo(thing.c_str(), 0600), 0);
  }
  if (linked) {
    ASSERT_EQ(::symlink(thing.c_str(), path.c_str()), 0);
  }
  const std::string before = snapshot(path) + snapshot(thing);
  DisplayFile file(QString::fromStdString(path));

  const ChildRun load = inChild([&] { return file.load() == DisplayChoice{} ? 0 : 1; });
  EXPECT_EQ(load.status, 0) << (load.status == kBlocked ? "the load blocked" : "");
  EXPECT_EQ(load.said, "zundabar: the display settings in " + path + " cannot be read (" +
                           GetParam().why + "); the window opens at its own size\n");
  const ChildRun save = inChild([&] {
    file.save({2, true});
    return 0;
  });
  EXPECT_EQ(save.status, 0) << (save.status == kBlocked ? "the save blocked" : "");
  EXPECT_EQ(save.said, saveFailure(path, GetParam().why));
  EXPECT_EQ(snapshot(path) + snapshot(thing), before);
  EXPECT_FALSE(temporaryLeftIn(folder));
}

INSTANTIATE_TEST_SUITE_P(
    DisplayFile, WhatIsNotARegularFile,
    ::testing::Values(NotRegular{"Fifo", false, "", "it is a FIFO, not a regular file"},
                      NotRegular{"LinkToAFifo", false, "pipe", "it is a FIFO, not a regular file"},
                      NotRegular{"LinkToADevice", true, "null",
                                 "it is a character device, not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

// The player's own folder, in which the file's missing folder would be made, is read-only. Root
// writes anywhere, so there the folder is nobody's, and so is the save.
TEST_F(DisplayFileTest, AFolderThatCannotBeMadeIsToldAsPermissionDenied) {
  const std::string target = folder + "/missing/display.conf";
  if (::geteuid() == 0) {
    ASSERT_EQ(::chmod(home.path().toUtf8().constData(), 0755), 0);
    ASSERT_EQ(::chown(folder.c_str(), kNobodyId, kNobodyId), 0);
  }
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  const ChildRun run = inChild([&] {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobodyId) != 0 || ::setuid(kNobodyId) != 0)) {
      return kCannotRunHere;
    }
    if (::access(folder.c_str(), W_OK) == 0) return kCannotRunHere;
    DisplayFile(QString::fromStdString(target)).save({2, true});
    return 0;
  });
  ::chmod(folder.c_str(), 0700);
  if (run.status == kCannotRunHere) GTEST_SKIP() << "permissions do not bind here";
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.said, saveFailure(target, "Permission denied"));
  EXPECT_EQ(snapshot(folder + "/missing"), "missing");
}

}  // namespace
