#include "service/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

#include "service/posix.h"
#include "service/text.h"

namespace zor::service {

namespace {

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 6;

// ".NAME.tmp-NNNNNN", NAME cut at a whole UTF-8 character when the whole
// would be longer than a file name may be.
std::string TemporaryName(std::string name, const char* number) {
  std::size_t room = NAME_MAX - 1 - kTemporaryMark.size() - kTemporaryDigits;
  if (name.size() > room) {
    while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80) --room;
    name.resize(room);
  }
  return "." + name + std::string(kTemporaryMark) + number;
}

// Also the shorter numbers of the tool's earlier versions, which did not pad
// them to six digits: their killed saves left such files too.
bool IsTemporaryName(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark < 2 || name[0] != '.') return false;
  const std::string_view number = name.substr(mark + kTemporaryMark.size());
  return !number.empty() && number.size() <= kTemporaryDigits &&
         std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Removes the temporaries that killed saves left in the folder: our names,
// regular files of this user, not locked. Every save holds the lock on its
// temporary from creating it until the rename, and the system lets go of a
// killed process's locks, so an unlocked one is no save's any more.
void RemoveStaleTemporaries(int folder) {
  const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return;
  DIR* entries = ::fdopendir(listed);
  if (entries == nullptr) {
    ::close(listed);
    return;
  }
  while (const dirent* entry = ::readdir(entries)) {
    if (!IsTemporaryName(entry->d_name)) continue;
    // Looked at before it is opened: opening a device may do something.
    struct stat named {};
    if (::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
        named.st_uid != ::geteuid())
      continue;
    Fd file(::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (file.fd < 0 || ::flock(file.fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(file.fd, &opened) != 0 ||
        opened.st_ino != named.st_ino || opened.st_dev != named.st_dev || opened.st_nlink == 0)
      continue;
    ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(entries);
}

}  // namespace

std::filesystem::path StateDirectory() {
  const char* xdg = std::getenv("XDG_STATE_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "zor-maintenance";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : "") / ".local" / "state" / "zor-maintenance";
}

Outcome FileFailed(std::string_view why) { return Outcome::failed(Status::FileFailed, FromUtf8(why)); }

Outcome EnsureDirectory(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::path built;
  for (const auto& part : folder) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) == 0 || errno == EEXIST) continue;
    return FileFailed(Why(built, "cannot create the folder"));
  }
  if (!std::filesystem::is_directory(folder, error)) return FileFailed(folder.string() + " is not a folder");
  return Outcome::done();
}

Reading<std::string> ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink,
                                   std::string_view what) {
  const auto tooLarge = [&] {
    return FileFailed(path.string() + " is larger than " + SizeText(maxBytes) + ": no " + std::string(what) +
                      " is that large");
  };
  Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW)));
  if (file.fd < 0) return FileFailed(errno == ELOOP ? path.string() + " is a symbolic link" : Why(path, "cannot open"));
  struct stat st {};
  if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return FileFailed(path.string() + " is not a regular file");
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return tooLarge();
  std::string bytes;
  char buffer[16384];
  while (true) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileFailed(Why(path, "cannot read"));
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    // It may have grown since fstat.
    if (bytes.size() > maxBytes) return tooLarge();
  }
  return bytes;
}

PendingFile::~PendingFile() {
  if (file_ >= 0) {
    ::unlinkat(folder_, temporary_.c_str(), 0);
    ::close(file_);
  }
  if (folder_ >= 0) ::close(folder_);
}

Outcome PendingFile::create(const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    return FileFailed(path.string() + " exists and is not a regular file; it was left alone");
  if (IsTemporaryName(path.filename().string()))
    return FileFailed(path.string() + " is named like the temporary files of a save, which a later save removes");
  path_ = path;
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) return FileFailed(Why(folder, "cannot write in"));
  RemoveStaleTemporaries(folder_);
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    char number[8];
    std::snprintf(number, sizeof number, "%06u", static_cast<unsigned>(random() % 1000000));
    temporary_ = TemporaryName(path.filename().string(), number);
    file_ = ::openat(folder_, temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file_ < 0 && errno == EEXIST) continue;
    if (file_ < 0) break;
    // Another save's clean-up may have taken it for a stale one between the
    // open and the lock: it removes it, this save takes another name. A file
    // system without locks has neither locks nor clean-up.
    const bool taken = ::flock(file_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (!taken && ::fstat(file_, &st) == 0 && st.st_nlink > 0) return Outcome::done();
    ::close(file_);
    file_ = -1;
  }
  return FileFailed(Why(folder, "cannot write in"));
}

Outcome PendingFile::write(const std::string& bytes) {
  if (WriteAll(file_, bytes.data(), bytes.size()) && ::fsync(file_) == 0) return Outcome::done();
  return FileFailed(Why(path_, "cannot write"));
}

Outcome PendingFile::commit() {
  // Renamed while still locked, so no clean-up ever sees it unlocked under its temporary name.
  if (::renameat(folder_, temporary_.c_str(), folder_, path_.filename().c_str()) != 0)
    return FileFailed(Why(path_, "cannot write"));
  ::close(file_);  // written and flushed: nothing is left to fail
  file_ = -1;
  // The rename itself reaches the disk with the folder.
  ::fsync(folder_);
  return Outcome::done();
}

Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  PendingFile file;
  Outcome outcome = file.create(path);
  if (outcome.ok()) outcome = file.write(bytes);
  if (outcome.ok()) outcome = file.commit();
  return outcome;
}

}  // namespace zor::service
