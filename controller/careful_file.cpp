#include "controller/careful_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

namespace zor::controller {
namespace {

std::optional<std::string> refusal(const struct stat& st, std::size_t maxBytes) {
  if (S_ISLNK(st.st_mode)) return "is a symbolic link";
  if (S_ISDIR(st.st_mode)) return "is a folder";
  if (!S_ISREG(st.st_mode)) return "is not a regular file";
  if (st.st_uid != ::geteuid()) return "belongs to another user (uid " + std::to_string(st.st_uid) + ")";
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    return "is larger than " + std::to_string(maxBytes) + " bytes";
  return std::nullopt;
}

// Nothing can be at a path whose folder is missing or whose name is too long.
bool nothingThere(int error) { return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG; }

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

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

OpenResult openOwnFile(const std::filesystem::path& path, int flags, std::size_t maxBytes) {
  OpenResult result;
  auto refuse = [&](const std::string& why) {
    result.status = OpenStatus::Refused;
    result.fd = UniqueFd();
    result.why = path.string() + " " + why;
    return std::move(result);
  };
  // A look before opening: opening a device or a FIFO can have effects of its own.
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (auto why = refusal(st, maxBytes)) return refuse(*why);
  } else if (!nothingThere(errno)) {
    return refuse(errnoText("cannot be looked at"));
  } else if (!(flags & O_CREAT)) {
    return result;  // Missing
  }
  result.fd = UniqueFd(::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
  if (!result.fd) {
    if (errno == ELOOP) return refuse("is a symbolic link");
    if (nothingThere(errno)) {
      result.why = errnoText("cannot open " + path.string());
      return result;  // Missing
    }
    return refuse(errnoText("cannot be opened"));
  }
  // What was opened is what counts: the path may have changed since the look.
  if (::fstat(result.fd.get(), &st) != 0) return refuse(errnoText("cannot be examined"));
  if (auto why = refusal(st, maxBytes)) return refuse(*why);
  result.status = OpenStatus::Opened;
  result.stamp = stampOf(st);
  return result;
}

ReadResult readOwnFile(const std::filesystem::path& path, std::size_t maxBytes) {
  OpenResult opened = openOwnFile(path, O_RDONLY, maxBytes);
  ReadResult result{opened.status, {}, std::move(opened.why), {}, opened.stamp};
  if (opened.status != OpenStatus::Opened) return result;
  auto refuse = [&](const std::string& why) {
    result.status = OpenStatus::Refused;
    result.text.clear();
    result.why = path.string() + " " + why;
    return std::move(result);
  };
  // One byte more than allowed tells a file that grew since it was examined.
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(opened.fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return refuse(errnoText("cannot be read"));
    if (n == 0) break;
    if (result.text.size() + static_cast<std::size_t>(n) > maxBytes)
      return refuse("is larger than " + std::to_string(maxBytes) + " bytes");
    result.text.append(buffer, static_cast<std::size_t>(n));
  }
  result.fd = std::move(opened.fd);
  return result;
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

bool makePrivateFolders(const std::filesystem::path& folder, std::string& why) {
  std::filesystem::path built;
  for (const auto& part : folder) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) == 0 || errno == EEXIST) continue;
    why = errnoText("cannot create " + built.string());
    return false;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    why = "cannot create " + folder.string() + ": something else is there";
    return false;
  }
  return true;
}

std::string errnoText(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace zor::controller
