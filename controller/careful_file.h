#pragma once
// Files outside the project's folders (state, lock, trace) are opened the
// careful way: never through a symbolic link at the last component, never
// blocking on a FIFO, and used only when they are regular files of the
// current user.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zor::controller {

// A file descriptor, closed when it goes.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

// What tells one version of a file from another without reading it: which
// file (device and inode), its size and its modification time. Our writes
// replace the file by a rename, so a save always gives a new inode.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  int lookError = 0;  // errno of a look that failed for another reason than nothing being there
  bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const struct stat& st);
// The stamp of what is at path, a symbolic link itself rather than its
// target; the zero stamp when nothing is there. One lstat.
FileStamp stampAt(const std::filesystem::path& path);

enum class OpenStatus {
  Opened,
  Missing,  // nothing at the path (or a folder on the way is missing)
  Refused,  // something is there that is not ours to use; why says what
};

struct OpenResult {
  OpenStatus status = OpenStatus::Missing;
  UniqueFd fd;
  FileStamp stamp;  // of the file opened, taken just after opening
  std::string why;  // for Refused and for a failed create
};

// Opens path with flags (O_RDONLY, O_WRONLY | O_APPEND | O_CREAT, ...), adding
// O_NOFOLLOW, O_NONBLOCK, O_NOCTTY and O_CLOEXEC. What is already there must be
// a regular file owned by the current user and at most maxBytes long; anything
// else (a link, a FIFO, a device, a folder, another user's file) is refused,
// and is not even opened when a look beforehand shows it. Created files get
// mode 0600.
OpenResult openOwnFile(const std::filesystem::path& path, int flags, std::size_t maxBytes);

struct ReadResult {
  OpenStatus status = OpenStatus::Missing;
  std::string text;
  std::string why;
  UniqueFd fd;      // the file read, still open
  FileStamp stamp;  // of the file read, taken before reading
};

// The whole of a file opened as above, refused when it holds more than maxBytes.
ReadResult readOwnFile(const std::filesystem::path& path, std::size_t maxBytes);

// Creates folder and the folders missing on the way to it, each mode 0700
// whatever the umask: what they will hold is the user's alone. False, and
// why, when one cannot be made or folder is there but is not a folder.
bool makePrivateFolders(const std::filesystem::path& folder, std::string& why);

// "<file><suffix>" beside file, the file's name cut short enough that the
// result fits the file system's name limit.
std::filesystem::path besideName(const std::filesystem::path& file, std::string_view suffix);

// "<what>: <strerror(errno)>"
std::string errnoText(const std::string& what);

}  // namespace zor::controller
