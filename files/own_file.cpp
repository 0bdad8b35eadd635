#include "files/own_file.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "files/errno_text.h"

namespace zor::files {
namespace {

std::optional<Failure> refusal(const struct stat& st, std::size_t maxBytes) {
  if (S_ISLNK(st.st_mode)) return Failure{"is a symbolic link", kIsLink};
  if (S_ISDIR(st.st_mode)) return Failure{"is a folder", kIsFolder};
  if (!S_ISREG(st.st_mode)) return Failure{"is not a regular file", kNotRegular};
  if (st.st_uid != ::geteuid())
    return Failure{"belongs to another user (uid " + std::to_string(st.st_uid) + ")", kAnotherUsers};
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    return Failure{"is larger than " + std::to_string(maxBytes) + " bytes", kTooLarge};
  return std::nullopt;
}

// Nothing can be at a path whose folder is missing or whose name is too long.
bool nothingThere(int error) { return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG; }

Failure about(const std::filesystem::path& path, Failure failure) {
  failure.why = path.string() + " " + failure.why;
  failure.path = path.string();
  return failure;
}

// A failed call on path, said as "<what> <path>: ...".
Failure callOn(std::string_view what, const std::filesystem::path& path) {
  Failure failure = errnoFailure(std::string(what) + " " + path.string());
  failure.path = path.string();
  return failure;
}

}  // namespace

FileStamp stampOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev),         static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_size),         static_cast<std::int64_t>(st.st_mtim.tv_sec),
          static_cast<std::int64_t>(st.st_mtim.tv_nsec), 0};
}

FileStamp stampAt(const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) return stampOf(st);
  FileStamp none;
  if (!nothingThere(errno)) none.lookError = errno;
  return none;
}

Result<OwnFile> openOwnFile(const std::filesystem::path& path, int flags, std::size_t maxBytes) {
  // A look before opening: opening a device or a FIFO can have effects of its own.
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (auto why = refusal(st, maxBytes)) return about(path, *why);
  } else if (!nothingThere(errno)) {
    return about(path, errnoFailure("cannot be looked at"));
  } else if (!(flags & O_CREAT)) {
    return OwnFile{};
  }
  OwnFile file{UniqueFd(::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600)), {}, {}};
  if (!file.fd) {
    if (errno == ELOOP) return about(path, {"is a symbolic link", kIsLink});
    if (nothingThere(errno)) {
      if (!(flags & O_CREAT)) return OwnFile{};
      return callOn("cannot open", path);
    }
    return about(path, errnoFailure("cannot be opened"));
  }
  // What was opened is what counts: the path may have changed since the look.
  if (::fstat(file.fd.get(), &st) != 0) return about(path, errnoFailure("cannot be examined"));
  if (auto why = refusal(st, maxBytes)) return about(path, *why);
  file.stamp = stampOf(st);
  return file;
}

Result<OwnFile> readOwnFile(const std::filesystem::path& path, std::size_t maxBytes) {
  Result<OwnFile> file = openOwnFile(path, O_RDONLY, maxBytes);
  if (!file || !file->found()) return file;
  // One byte more than allowed tells a file that grew since it was examined.
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(file->fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return about(path, errnoFailure("cannot be read"));
    if (n == 0) break;
    if (file->text.size() + static_cast<std::size_t>(n) > maxBytes)
      return about(path, {"is larger than " + std::to_string(maxBytes) + " bytes", kTooLarge});
    file->text.append(buffer, static_cast<std::size_t>(n));
  }
  return file;
}

std::filesystem::path besideName(const std::filesystem::path& file, std::string_view suffix) {
  std::string name = file.filename().string();
  const std::size_t room = NAME_MAX > suffix.size() ? NAME_MAX - suffix.size() : 0;
  if (name.size() > room) {
    // Cut between characters, never inside a UTF-8 sequence.
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return file.parent_path() / (name + std::string(suffix));
}

Result<> makePrivateFolders(const std::filesystem::path& folder) {
  std::filesystem::path built;
  for (const auto& part : folder) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) == 0 || errno == EEXIST) continue;
    return callOn("cannot create", built);
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
    return Failure{"cannot create " + folder.string() + ": something else is there", EEXIST, folder.string()};
  return {};
}

}  // namespace zor::files
