#include "ui/stores/options_file_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>
#include <utility>

#include "game/option_rules.h"
#include "play/options_file_text.h"
#include "ui/stderr_report.h"

namespace {

// Far longer than any text the game stores ("Progression" at most "10", the others "False").
constexpr std::size_t kMaxOptionChars = 64;
// Another copy of the game holds the lock for the few milliseconds its save takes; waiting
// longer than this would show in the window, so the save goes on without the lock.
constexpr auto kLockPatience = std::chrono::milliseconds(200);
constexpr auto kLockRetry = std::chrono::milliseconds(10);
// A save takes milliseconds; a temporary file older than this was left by a game that died.
constexpr std::time_t kLeftoverAgeS = 60;
constexpr int kMaxKeptCopies = 1000;
constexpr std::string_view kTemporaryInfix = ".tmp-";

std::string errorText(int error) { return std::strerror(error); }

// For a call whose failure changes nothing that matters.
void bestEffort(int /*result*/) {}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "not a regular file";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, for a caller that must know whether the close failed.
  int close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

struct FileContents {
  enum class State { Missing, Text, Damaged, NotRegular, Unreadable };
  State state = State::Missing;
  std::string bytes;
  std::string why;  // what is wrong, for every state but Missing and Text
  struct stat info {};
};

// The file's bytes when it is a regular file (a symbolic link is followed only to one) of at most
// kMaxFileBytes that holds text. Nothing else is opened, and nothing is read by a call that can
// block.
FileContents readBounded(const std::string& path) {
  using State = FileContents::State;
  FileContents file;
  if (::stat(path.c_str(), &file.info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return file;
    return {State::Unreadable, {}, errorText(errno)};
  }
  if (!S_ISREG(file.info.st_mode)) return {State::NotRegular, {}, kindOf(file.info.st_mode)};
  if (file.info.st_size > OptionsFileStore::kMaxFileBytes) {
    return {State::Damaged, {}, "it is larger than 1 MiB"};
  }
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return {State::Unreadable, {}, errorText(errno)};
  // What was opened may not be what was looked at a moment before.
  if (::fstat(fd.get(), &file.info) != 0) return {State::Unreadable, {}, errorText(errno)};
  if (!S_ISREG(file.info.st_mode)) return {State::NotRegular, {}, kindOf(file.info.st_mode)};
  constexpr std::size_t kLimit = OptionsFileStore::kMaxFileBytes;
  // One byte more than allowed tells a file that grew past the limit.
  file.bytes.resize(std::min<std::size_t>(file.info.st_size, kLimit) + 1);
  std::size_t total = 0;
  while (total <= kLimit) {
    if (total == file.bytes.size()) file.bytes.resize(kLimit + 1);
    const ssize_t n = ::read(fd.get(), file.bytes.data() + total, file.bytes.size() - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {State::Unreadable, {}, errorText(errno)};
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  if (total > kLimit) return {State::Damaged, {}, "it is larger than 1 MiB"};
  file.bytes.resize(total);
  if (OptionsFileText::isBinary(file.bytes)) return {State::Damaged, {}, "it is not text"};
  file.state = State::Text;
  return file;
}

// Where a save writes: the path itself, or the file a symbolic link there leads to.
bool resolveTarget(const std::string& path, std::string& target, int& error) {
  struct stat info {};
  target = path;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    error = errno;
    return false;
  }
  target = resolved;
  std::free(resolved);
  return true;
}

void makeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    ::mkdir(folder.substr(0, slash).c_str(), 0777);
  }
  ::mkdir(folder.c_str(), 0777);
}

// Two copies of the game saving at once each read, merge and write under this lock, so that both
// keys survive. It is never waited on for long, and one left behind by a killed game is no
// obstacle: the system drops a lock when its holder dies, and anything but a regular file where
// the lock should be is passed over at once.
class SaveLock {
 public:
  explicit SaveLock(std::string path) : path_(std::move(path)) {
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      const int fd = ::open(
          path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
      if (fd < 0) return;
      struct stat held {
      }, named{};
      if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
        ::close(fd);
        return;
      }
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // The copy that held it before removes it; a lock on a removed file locks nothing.
        if (::stat(path_.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino) {
          fd_ = fd;
          return;
        }
        ::close(fd);
        continue;
      }
      const int error = errno;
      ::close(fd);
      if (error != EWOULDBLOCK) return;
      std::this_thread::sleep_for(kLockRetry);
    }
  }
  ~SaveLock() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
  }
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

 private:
  std::string path_;
  int fd_ = -1;
};

std::string temporaryName(const std::string& target) {
  static unsigned counter = 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const unsigned long long mixed =
      (static_cast<unsigned long long>(now) ^ ++counter) * 0x9E3779B97F4A7C15ULL;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "%d-%08llx", static_cast<int>(::getpid()), mixed >> 32);
  return target + std::string(kTemporaryInfix) + suffix;
}

// Writes bytes to a new file beside target, with the old file's mode and owner, and flushes it to
// the disk. Returns its name, or "" with error set; a failure leaves nothing behind.
std::string writeTemporary(const std::string& target, const std::string& bytes,
                           const struct stat* old, OptionsFileStore::DiskCalls calls, int& error) {
  std::string name;
  int fd = -1;
  for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
    name = temporaryName(target);
    fd =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = errno;
    return {};
  }
  Descriptor file(fd);
  const auto fail = [&](int why) {
    error = why;
    file.close();
    ::unlink(name.c_str());
    return std::string();
  };
  // The old file's mode, and its owner when root saves another user's file. A file system that
  // has neither keeps its own, which loses nothing.
  if (old != nullptr) {
    bestEffort(::fchmod(fd, old->st_mode & 07777));
    if (::geteuid() == 0) bestEffort(::fchown(fd, old->st_uid, old->st_gid));
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = calls.write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(errno);
    if (n == 0) return fail(EIO);
    written += static_cast<std::size_t>(n);
  }
  if (calls.fsync(fd) != 0) return fail(errno);
  if (file.close() != 0) {
    error = errno;
    ::unlink(name.c_str());
    return {};
  }
  return name;
}

// Keeps a damaged file under the first free name of target.corrupt, .corrupt.1, .corrupt.2 ...:
// as a second name of the same file, so that the file itself stays until the new one replaces
// it, or else moved there by a rename that never replaces anything. Returns the name and whether
// it is a second name, or "" with error set.
std::string keepAside(const std::string& target, bool& secondName, int& error) {
  for (int n = 0; n < kMaxKeptCopies; ++n) {
    const std::string kept = target + ".corrupt" + (n == 0 ? "" : "." + std::to_string(n));
    if (::link(target.c_str(), kept.c_str()) == 0) {
      secondName = true;
      return kept;
    }
    if (errno == EEXIST) continue;
#ifdef RENAME_NOREPLACE
    // A file system without hard links.
    if (::renameat2(AT_FDCWD, target.c_str(), AT_FDCWD, kept.c_str(), RENAME_NOREPLACE) == 0) {
      secondName = false;
      return kept;
    }
    if (errno == EEXIST) continue;
#endif
    error = errno;
    return {};
  }
  error = EEXIST;
  return {};
}

void syncFolder(const std::string& folder) {
  // Some file systems cannot sync a folder; the rename is done all the same.
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

bool processAlive(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

void removeLeftoverTemporaries(const std::string& target) {
  DIR* folder = ::opendir(folderOf(target).c_str());
  if (folder == nullptr) return;
  const std::string prefix = target.substr(target.rfind('/') + 1) + std::string(kTemporaryInfix);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name = entry->d_name;
    if (name.substr(0, prefix.size()) != prefix) continue;
    struct stat info {};
    if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode))
      continue;
    // Only names the game makes: the process id, a dash and a random part.
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t digits = rest.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || rest[digits] != '-') continue;
    const pid_t pid = static_cast<pid_t>(std::atol(rest.data()));
    if (!processAlive(pid) || std::time(nullptr) - info.st_mtime > kLeftoverAgeS)
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
  }
  ::closedir(folder);
}

std::size_t characterCount(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

OptionsFileStore::OptionsFileStore(std::string path) : OptionsFileStore(std::move(path), {}) {}

OptionsFileStore::OptionsFileStore(std::string path, DiskCalls calls)
    : path_(std::move(path)), calls_(calls) {
  if (calls_.write == nullptr) calls_.write = ::write;
  if (calls_.fsync == nullptr) calls_.fsync = ::fsync;
  std::string target;
  int error = 0;
  removeLeftoverTemporaries(path_);
  if (resolveTarget(path_, target, error) && target != path_) removeLeftoverTemporaries(target);
}

void OptionsFileStore::tellOnce(const std::string& line) {
  if (told_.insert(line).second) tellOnStderr(line);
}

std::string OptionsFileStore::get(const std::string& key) {
  using State = FileContents::State;
  if (const auto held = unsaved_.find(key); held != unsaved_.end()) return held->second;
  FileContents contents = readBounded(path_);
  const std::string file = printable(path_);
  switch (contents.state) {
    case State::Missing:
      return {};
    case State::NotRegular:
      tellOnce("the options file " + file + " is " + contents.why +
               ", not a regular file; the options take their defaults");
      return {};
    case State::Unreadable:
      tellOnce("could not read the options file " + file + ": " + contents.why +
               "; the options take their defaults");
      return {};
    case State::Damaged:
      tellOnce("the options file " + file + " is damaged (" + contents.why +
               "); the options take their defaults, and it is kept beside the new file when an "
               "option is saved");
      return {};
    case State::Text:
      break;
  }
  const OptionsFileText text(std::move(contents.bytes));
  if (const int line = text.firstDamagedLine(); line != 0) {
    tellOnce("line " + std::to_string(line) + " of the options file " + file +
             " is damaged; the options on the other lines are used");
  }
  std::string value = text.value(options::kSection, key).value_or("");
  if (const std::size_t length = characterCount(value); length > kMaxOptionChars) {
    tellOnce("the option " + key + " in " + file + " is " + std::to_string(length) +
             " characters long; it is ignored and takes its default");
    return {};
  }
  return value;
}

void OptionsFileStore::save(const std::string& key, const std::string& text) {
  unsaved_[key] = text;
  std::string why;
  if (writeUnsaved(why)) {
    unsaved_.clear();
    return;
  }
  tellOnce("could not save the option " + key + " to " + printable(path_) + ": " + printable(why) +
           "; the new value holds until the game ends");
}

bool OptionsFileStore::writeUnsaved(std::string& why) {
  using State = FileContents::State;
  std::string target;
  int error = 0;
  if (!resolveTarget(path_, target, error)) {
    why = "it is a symbolic link that leads to no file (" + errorText(error) + ")";
    return false;
  }
  // A device or a FIFO is never locked beside, read or replaced.
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    why = "it is " + kindOf(info.st_mode) + ", not a regular file";
    return false;
  }
  makeFolders(folderOf(target));
  const SaveLock lock(target + ".lock");
  FileContents old = readBounded(target);
  if (old.state == State::NotRegular) {
    why = "it is " + old.why + ", not a regular file";
    return false;
  }
  if (old.state == State::Unreadable) {
    // Writing over a file that cannot be read would lose whatever else it holds.
    why = "it cannot be read (" + old.why + ")";
    return false;
  }
  OptionsFileText text(old.state == State::Text ? std::move(old.bytes) : std::string());
  for (const auto& [key, value] : unsaved_) text.setValue(options::kSection, key, value);
  const std::string temporary = writeTemporary(
      target, text.text(), old.state == State::Missing ? nullptr : &old.info, calls_, error);
  if (temporary.empty()) {
    why = errorText(error);
    return false;
  }
  std::string kept;
  bool secondName = false;
  if (old.state == State::Damaged) {
    kept = keepAside(target, secondName, error);
    if (kept.empty()) {
      ::unlink(temporary.c_str());
      why = "the damaged file could not be kept aside (" + errorText(error) + ")";
      return false;
    }
  }
  const bool replaced = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!replaced) {
    error = errno;
    ::unlink(temporary.c_str());
    if (secondName) ::unlink(kept.c_str());
    why = errorText(error);
  }
  if (replaced) syncFolder(folderOf(target));
  if (!kept.empty() && (replaced || !secondName)) {
    tellOnce("the options file " + printable(target) + " was damaged; it is kept as " +
             printable(kept) + (replaced ? " and a new one is written" : ""));
  }
  return replaced;
}
