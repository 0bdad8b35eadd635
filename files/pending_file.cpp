#include "files/pending_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <functional>
#include <random>
#include <string_view>

#include "files/errno_text.h"

namespace zor::files {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 6;

std::filesystem::path folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// ".NAME.tmp-NNNNNN", NAME cut at a whole UTF-8 character when the whole
// would be longer than a file name may be.
std::string hiddenName(std::string name, std::mt19937& random) {
  char number[8];
  std::snprintf(number, sizeof number, "%06u", static_cast<unsigned>(random() % 1000000));
  std::size_t room = NAME_MAX - 1 - kTemporaryMark.size() - kTemporaryDigits;
  if (name.size() > room) {
    while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80) --room;
    name.resize(room);
  }
  return "." + name + std::string(kTemporaryMark) + number;
}

bool isHiddenName(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark < 2 || name[0] != '.') return false;
  const std::string_view number = name.substr(mark + kTemporaryMark.size());
  return !number.empty() && number.size() <= kTemporaryDigits &&
         std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "FILE.tmp-" cut to leave room for the six characters after it.
std::string besidePrefix(const std::filesystem::path& file) {
  std::string prefix = besideName(file, std::string(kTemporaryMark) + "XXXXXX").filename().string();
  prefix.resize(prefix.size() - kTemporaryDigits);
  return prefix;
}

std::string besideName(const std::string& prefix, std::mt19937& random) {
  static constexpr char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = prefix;
  for (std::size_t i = 0; i < kTemporaryDigits; ++i) name += kCharacters[random() % (sizeof kCharacters - 1)];
  return name;
}

bool isBesideName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kTemporaryDigits || !name.starts_with(prefix)) return false;
  const std::string_view random = name.substr(prefix.size());
  return std::all_of(random.begin(), random.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Removes the entries of folder that ours names, that are regular files of
// this user and that no write holds locked. The system lets go of a killed
// process's locks, so an unlocked one is no write's any more.
void removeUnlocked(int folder, const std::function<bool(std::string_view)>& ours) {
  const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return;
  DIR* entries = ::fdopendir(listed);
  if (entries == nullptr) {
    ::close(listed);
    return;
  }
  while (const dirent* entry = ::readdir(entries)) {
    if (!ours(entry->d_name)) continue;
    // Looked at before it is opened: opening a device may do something.
    struct stat named {};
    if (::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
        named.st_uid != ::geteuid())
      continue;
    const UniqueFd file(::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!file || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(file.get(), &opened) != 0 ||
        opened.st_ino != named.st_ino || opened.st_dev != named.st_dev || opened.st_nlink == 0)
      continue;
    ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(entries);
}

void removeStale(int folder, const std::filesystem::path& file, Temporary naming) {
  if (naming == Temporary::Hidden) return removeUnlocked(folder, isHiddenName);
  const std::string prefix = besidePrefix(file);
  removeUnlocked(folder, [&](std::string_view name) { return isBesideName(name, prefix); });
}

}  // namespace

PendingFile::~PendingFile() {
  if (file_) ::unlinkat(folder_.get(), temporary_.filename().c_str(), 0);
}

// The two namings' callers have said their failures each in words of their own.
Failure PendingFile::failed(std::string_view hidden, const std::filesystem::path& hiddenPath, std::string_view beside,
                            const std::filesystem::path& besidePath) const {
  const std::string_view what = naming_ == Temporary::Hidden ? hidden : beside;
  const std::filesystem::path& path = naming_ == Temporary::Hidden ? hiddenPath : besidePath;
  Failure failure = errnoFailure(std::string(what) + " " + path.string());
  failure.path = path.string();
  return failure;
}

Result<> PendingFile::create(const std::filesystem::path& path) {
  path_ = path;
  const std::filesystem::path folder = folderOf(path);
  std::random_device seed;
  std::mt19937 random(seed());
  if (naming_ == Temporary::Hidden) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
      return Failure{path.string() + " exists and is not a regular file; it was left alone", kNotRegular,
                     path.string()};
    if (isHiddenName(path.filename().string())) {
      return Failure{path.string() + " is named like the temporary files of a save, which a later save removes",
                     kNamedLikeTemporary, path.string()};
    }
  }
  folder_ = UniqueFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder_) {
    temporary_ = besideName(path, std::string(kTemporaryMark) + "XXXXXX");
    return failed("cannot write in", folder, "cannot create a temporary file", temporary_);
  }
  if (naming_ == Temporary::Hidden) removeStale(folder_.get(), path, naming_);
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_ = naming_ == Temporary::Hidden ? path.parent_path() / hiddenName(path.filename().string(), random)
                                              : path.parent_path() / besideName(besidePrefix(path), random);
    file_ = UniqueFd(::openat(folder_.get(), temporary_.filename().c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_));
    if (!file_ && errno == EEXIST) continue;
    if (!file_) break;
    // Another write's clean-up may have taken it for a stale one between the
    // open and the lock: it removes it, this write takes another name. A file
    // system without locks has neither locks nor clean-up.
    struct stat st {};
    const bool taken = ::flock(file_.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (!taken && ::fstat(file_.get(), &st) == 0 && st.st_nlink > 0) return {};
    file_ = UniqueFd();
  }
  return failed("cannot write in", folder, "cannot create a temporary file", temporary_);
}

Result<> PendingFile::write(const std::string& bytes) {
  if (writeAll(file_.get(), bytes.data(), bytes.size()) && ::fsync(file_.get()) == 0) return {};
  return failed("cannot write", path_, "cannot write", temporary_);
}

Result<OwnFile> PendingFile::commit() {
  OwnFile written;
  struct stat st {};
  if (::fstat(file_.get(), &st) == 0) written.stamp = stampOf(st);
  // Renamed while still locked, so no clean-up ever sees it unlocked under its temporary name.
  if (::renameat(folder_.get(), temporary_.filename().c_str(), folder_.get(), path_.filename().c_str()) != 0)
    return failed("cannot write", path_, "cannot rename to", path_);
  written.fd = std::move(file_);  // written and flushed: nothing is left to fail
  ::flock(written.fd.get(), LOCK_UN);
  // The rename itself reaches the disk with the folder, or a crash could bring back the old file.
  ::fsync(folder_.get());
  return written;
}

Result<> writeFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  PendingFile file;
  if (Result<> created = file.create(path); !created) return created;
  if (Result<> written = file.write(bytes); !written) return written;
  if (Result<OwnFile> committed = file.commit(); !committed) return committed.failure();
  return {};
}

void removeStaleTemporaries(const std::filesystem::path& file, Temporary naming) {
  const UniqueFd folder(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder) removeStale(folder.get(), file, naming);
}

}  // namespace zor::files
