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
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>
#include <utility>

#include "game/option_rules.h"
#include "play/options_file_text.h"
#include "play/outside_text.h"
#include "ui/stores/guarded_file.h"

namespace {

// Another copy of the game holds the lock for the few milliseconds its save takes; waiting
// longer than this would show in the window, so the save goes on without the lock.
constexpr auto kLockPatience = std::chrono::milliseconds(200);
constexpr auto kLockRetry = std::chrono::milliseconds(10);
// A save takes milliseconds; a temporary file older than this was left by a game that died.
constexpr std::time_t kLeftoverAgeS = 60;
constexpr int kMaxKeptCopies = 1000;

std::string errorText(int error) { return std::strerror(error); }

// The options file as read: besides what the read found, a file too large or not text is damaged.
struct OptionsContents {
  enum class State { Missing, Text, Damaged, NotRegular, Unreadable };
  State state = State::Missing;
  std::string bytes;
  std::string why;  // what is wrong, for every state but Missing and Text
};

OptionsContents readOptions(const std::string& path) {
  using State = OptionsContents::State;
  FileContents file = readRegularFile(path, OptionsFileStore::kMaxFileBytes);
  switch (file.state) {
    case FileContents::State::Missing:
      return {};
    case FileContents::State::NotRegular:
      return {State::NotRegular, {}, std::move(file.why)};
    case FileContents::State::Unreadable:
      return {State::Unreadable, {}, std::move(file.why)};
    case FileContents::State::TooLarge:
      return {State::Damaged, {}, "it is larger than 1 MiB"};
    case FileContents::State::Read:
      break;
  }
  if (OptionsFileText::isBinary(file.bytes)) return {State::Damaged, {}, "it is not text"};
  return {State::Text, std::move(file.bytes), {}};
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

// Keeps a damaged file under the first free name of target.corrupt, .corrupt.1, .corrupt.2 ...:
// as a second name of the same file, so that the file itself stays until the new one replaces
// it, or else moved there by a rename that never replaces anything. Returns the name and whether
// it is a second name, or "" with error set.
std::string keepAside(const std::string& target, bool& secondName, int& error) {
  for (int n = 0; n < kMaxKeptCopies; ++n) {
    // Appended piece by piece: GCC 12 at -O3 takes "." + std::to_string(n) for an overlapping
    // copy and fails the Release build with -Werror=restrict.
    std::string kept = target + ".corrupt";
    if (n > 0) {
      kept += '.';
      kept += std::to_string(n);
    }
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

}  // namespace

OptionsFileStore::OptionsFileStore(std::string path) : OptionsFileStore(std::move(path), {}) {}

OptionsFileStore::OptionsFileStore(std::string path, DiskCalls calls)
    : path_(std::move(path)), calls_(calls) {
  removeLeftoverTemporaries(path_);
  if (const std::string target = saveTarget(path_); target != path_) {
    removeLeftoverTemporaries(target);
  }
}

std::string OptionsFileStore::shownLocation() const { return printable(path_); }

OptionsStorage::Found OptionsFileStore::read(const std::string& key) {
  using State = OptionsContents::State;
  OptionsContents contents = readOptions(path_);
  const std::string file = shownLocation();
  Found found;
  switch (contents.state) {
    case State::Missing:
      return found;
    case State::NotRegular:
      found.problems.push_back("the options file " + file + " is " + contents.why +
                               ", not a regular file; the options take their defaults");
      return found;
    case State::Unreadable:
      found.problems.push_back("could not read the options file " + file + ": " + contents.why +
                               "; the options take their defaults");
      return found;
    case State::Damaged:
      found.problems.push_back(
          "the options file " + file + " is damaged (" + contents.why +
          "); the options take their defaults, and it is kept beside the new file when an "
          "option is saved");
      return found;
    case State::Text:
      break;
  }
  const OptionsFileText text(std::move(contents.bytes));
  if (const int line = text.firstDamagedLine(); line != 0) {
    found.problems.push_back("line " + std::to_string(line) + " of the options file " + file +
                             " is damaged; the options on the other lines are used");
  }
  found.text = text.value(options::kSection, key);
  return found;
}

OptionsStorage::Written OptionsFileStore::write(const std::map<std::string, std::string>& values) {
  Written written;
  std::string why;
  if (!writeValues(values, written, why)) {
    for (const auto& [key, value] : values) written.failed[key] = printable(why);
  }
  return written;
}

bool OptionsFileStore::writeValues(const std::map<std::string, std::string>& values,
                                   Written& written, std::string& why) {
  using State = OptionsContents::State;
  GuardedSave save(path_, calls_);
  if (save.failed()) {
    why = save.why();
    return false;
  }
  const std::string& target = save.target();
  const SaveLock lock(target + ".lock");
  OptionsContents old = readOptions(target);
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
  for (const auto& [key, value] : values) text.setValue(options::kSection, key, value);
  if (!save.write(text.text())) {
    why = save.why();
    return false;
  }
  std::string kept;
  bool secondName = false;
  if (old.state == State::Damaged) {
    int error = 0;
    kept = keepAside(target, secondName, error);
    if (kept.empty()) {
      why = "the damaged file could not be kept aside (" + errorText(error) + ")";
      return false;
    }
  }
  const bool replaced = save.replace();
  if (!replaced) {
    if (secondName) ::unlink(kept.c_str());
    why = save.why();
  }
  if (!kept.empty() && (replaced || !secondName)) {
    written.problems.push_back("the options file " + printable(target) +
                               " was damaged; it is kept as " + printable(kept) +
                               (replaced ? " and a new one is written" : ""));
  }
  return replaced;
}
