#pragma once
// Files outside the project's folders (state, locks, logs, the trace) are
// opened the careful way: never through a symbolic link at the last
// component, never blocking on a FIFO, and used only when they are regular
// files of the current user.

#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/result.h"
#include "files/unique_fd.h"

namespace zor::files {

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

// The errno a refusal of openOwnFile carries, so that a caller can say it in
// words of its own.
inline constexpr int kIsLink = ELOOP;
inline constexpr int kIsFolder = EISDIR;
inline constexpr int kNotRegular = ENXIO;
inline constexpr int kAnotherUsers = EPERM;
inline constexpr int kTooLarge = EFBIG;

struct OwnFile {
  UniqueFd fd;       // closed when nothing is there (and nothing was to be created)
  FileStamp stamp;   // of the file opened, taken just after opening
  std::string text;  // what readOwnFile read

  bool found() const { return static_cast<bool>(fd); }
};

// Opens path with flags (O_RDONLY, O_WRONLY | O_APPEND | O_CREAT, ...), adding
// O_NOFOLLOW, O_NONBLOCK, O_NOCTTY and O_CLOEXEC. What is already there must be
// a regular file owned by the current user and at most maxBytes long; anything
// else (a link, a FIFO, a device, a folder, another user's file) is refused,
// and is not even opened when a look beforehand shows it. Created files get
// mode 0600. Nothing there, without O_CREAT: a file that is not found().
// A failure says "<path> <why>" (or, for a file that cannot be created,
// "cannot open <path>: ..."); a refusal's error is one of the k constants.
Result<OwnFile> openOwnFile(const std::filesystem::path& path, int flags, std::size_t maxBytes);

// The whole of a file opened as above, refused when it holds more than
// maxBytes; the file stays open.
Result<OwnFile> readOwnFile(const std::filesystem::path& path, std::size_t maxBytes);

// Creates folder and the folders missing on the way to it, each mode 0700
// whatever the umask: what they will hold is the user's alone. A failure when
// one cannot be made ("cannot create <folder>: ...") or folder is there but is
// not a folder ("cannot create <folder>: something else is there").
Result<> makePrivateFolders(const std::filesystem::path& folder);

// "<file><suffix>" beside file, the file's name cut short enough that the
// result fits the file system's name limit.
std::filesystem::path besideName(const std::filesystem::path& file, std::string_view suffix);

}  // namespace zor::files
