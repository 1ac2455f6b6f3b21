#include "ui/stores/guarded_file.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

std::string errorText(int error) { return std::strerror(error); }

// For a call whose failure changes nothing that matters.
void bestEffort(int /*result*/) {}

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

// The file a symbolic link at path leads to, or path itself; false with error when a link there
// leads to no file.
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

// Makes folder and the folders above it that are missing; 0, or the error that kept it from being
// a folder. The first failure is the one to tell: the folders below it fail only for want of it.
int makeFolders(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return 0;
  int firstError = 0;
  const auto make = [&](const std::string& each) {
    if (::mkdir(each.c_str(), 0777) != 0 && errno != EEXIST && firstError == 0) firstError = errno;
  };
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    make(folder.substr(0, slash));
  }
  make(folder);
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
  return firstError != 0 ? firstError : errno;
}

std::string temporaryName(const std::string& target) {
  static unsigned counter = 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const unsigned long long mixed =
      (static_cast<unsigned long long>(now) ^ ++counter) * 0x9E3779B97F4A7C15ULL;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "%d-%08llx", static_cast<int>(::getpid()), mixed >> 32);
  return target + std::string(kTemporaryInfix) + suffix;
}

void syncFolder(const std::string& folder) {
  // Some file systems cannot sync a folder; the rename is done all the same.
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "not a regular file";
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string saveTarget(const std::string& path) {
  std::string target;
  int error = 0;
  return resolveTarget(path, target, error) ? target : path;
}

FileContents readRegularFile(const std::string& path, std::size_t maxBytes) {
  using State = FileContents::State;
  FileContents file;
  if (::stat(path.c_str(), &file.info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return file;
    return {State::Unreadable, {}, errorText(errno)};
  }
  if (!S_ISREG(file.info.st_mode)) return {State::NotRegular, {}, kindOf(file.info.st_mode)};
  if (static_cast<std::size_t>(file.info.st_size) > maxBytes) return {State::TooLarge, {}, {}};
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return {State::Unreadable, {}, errorText(errno)};
  // What was opened may not be what was looked at a moment before.
  if (::fstat(fd.get(), &file.info) != 0) return {State::Unreadable, {}, errorText(errno)};
  if (!S_ISREG(file.info.st_mode)) return {State::NotRegular, {}, kindOf(file.info.st_mode)};
  // One byte more than allowed tells a file that grew past the limit.
  file.bytes.resize(std::min<std::size_t>(file.info.st_size, maxBytes) + 1);
  std::size_t total = 0;
  while (total <= maxBytes) {
    if (total == file.bytes.size()) file.bytes.resize(maxBytes + 1);
    const ssize_t n = ::read(fd.get(), file.bytes.data() + total, file.bytes.size() - total);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {State::Unreadable, {}, errorText(errno)};
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  if (total > maxBytes) return {State::TooLarge, {}, {}};
  file.bytes.resize(total);
  file.state = State::Read;
  return file;
}

GuardedSave::GuardedSave(const std::string& path, DiskCalls calls) : calls_(calls) {
  int error = 0;
  if (!resolveTarget(path, target_, error)) {
    fail("it is a symbolic link that leads to no file (" + errorText(error) + ")");
    return;
  }
  // A device or a FIFO is never written to or replaced.
  if (::stat(target_.c_str(), &old_) == 0) {
    if (!S_ISREG(old_.st_mode)) {
      fail("it is " + kindOf(old_.st_mode) + ", not a regular file");
      return;
    }
    hadOld_ = true;
  } else if (errno != ENOENT && errno != ENOTDIR) {
    fail(errorText(errno));
    return;
  }
  if (const int folderError = makeFolders(folderOf(target_)); folderError != 0) {
    fail(errorText(folderError));
  }
}

GuardedSave::~GuardedSave() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool GuardedSave::fail(std::string why) {
  why_ = std::move(why);
  return false;
}

bool GuardedSave::write(const std::string& bytes) {
  if (failed()) return false;
  int fd = -1;
  for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
    temporary_ = temporaryName(target_);
    fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int error = errno;
    temporary_.clear();
    return fail(errorText(error));
  }
  Descriptor file(fd);
  // The old file's mode, and its owner when root saves another user's file. A file system that
  // has neither keeps its own, which loses nothing.
  if (hadOld_) {
    bestEffort(::fchmod(fd, old_.st_mode & 07777));
    if (::geteuid() == 0) bestEffort(::fchown(fd, old_.st_uid, old_.st_gid));
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = calls_.write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(errorText(errno));
    if (n == 0) return fail(errorText(EIO));
    written += static_cast<std::size_t>(n);
  }
  if (calls_.fsync(fd) != 0) return fail(errorText(errno));
  if (file.close() != 0) return fail(errorText(errno));
  return true;
}

bool GuardedSave::replace() {
  if (failed()) return false;
  if (temporary_.empty()) return fail("nothing was written");
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errorText(errno));
  temporary_.clear();
  syncFolder(folderOf(target_));
  return true;
}

bool saveGuarded(const std::string& path, const std::string& bytes, DiskCalls calls,
                 std::string& why) {
  GuardedSave save(path, calls);
  if (save.write(bytes) && save.replace()) return true;
  why = save.why();
  return false;
}
