#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <string>
#include <string_view>

// A file the game keeps on the disk so that nothing found there can hang or crash it and no save
// can lose what was there before: only a regular file is read, without blocking and up to a
// limit; a save writes a complete new file beside the old one and puts it in place only once
// every byte is on the disk. Every failure gives the system's own reason.

// The calls that put a new file on the disk; a test replaces them to fail as a full disk does.
struct DiskCalls {
  ssize_t (*write)(int fd, const void* bytes, size_t count) = ::write;
  int (*fsync)(int fd) = ::fsync;
};

// A new file is written as the target's name, this infix, the process id, a dash and a random
// part.
constexpr std::string_view kTemporaryInfix = ".tmp-";

struct FileContents {
  enum class State { Missing, Read, TooLarge, NotRegular, Unreadable };
  State state = State::Missing;
  std::string bytes;  // for Read
  // For NotRegular what it is ("a FIFO"), for Unreadable the system's reason.
  std::string why;
  struct stat info {};
};

// The bytes of the regular file at path (a symbolic link is followed only to one) when it holds at
// most maxBytes. Nothing else is opened, and nothing is read by a call that can block.
FileContents readRegularFile(const std::string& path, std::size_t maxBytes);

// What a file of this mode is, as in "it is a FIFO".
std::string kindOf(mode_t mode);

// The folder that holds path.
std::string folderOf(const std::string& path);

// Where a save of path writes: path itself, or the file a symbolic link there leads to; path
// when that link leads nowhere.
std::string saveTarget(const std::string& path);

// One save in steps, so that a store can do more between them (lock, read and merge, keep a copy
// of a damaged file): only a regular or missing file is replaced, and through a symbolic link the
// file it leads to. A step that fails gives the reason, leaves the old file byte for byte and
// makes the later steps fail too; a new file not put in place is removed.
class GuardedSave {
 public:
  // Finds the target, refuses anything there but a regular file and makes the missing folders.
  GuardedSave(const std::string& path, DiskCalls calls);
  ~GuardedSave();
  GuardedSave(const GuardedSave&) = delete;
  GuardedSave& operator=(const GuardedSave&) = delete;

  bool failed() const { return !why_.empty(); }
  const std::string& why() const { return why_; }
  const std::string& target() const { return target_; }

  // Writes bytes to a new file beside the target, with the old file's mode, and flushes it to the
  // disk.
  bool write(const std::string& bytes);
  // Renames the new file over the target at once, and syncs the folder so the rename lasts.
  bool replace();

 private:
  bool fail(std::string why);

  std::string target_;
  DiskCalls calls_;
  bool hadOld_ = false;
  struct stat old_ {};
  std::string temporary_;
  std::string why_;
};

// A whole save: true when bytes are in place of the file at path; else false with the reason.
bool saveGuarded(const std::string& path, const std::string& bytes, DiskCalls calls,
                 std::string& why);
