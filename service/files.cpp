#include "service/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace zor::service {

namespace {

std::string Why(const std::filesystem::path& path, const char* what) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

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

}  // namespace

std::filesystem::path StateDirectory() {
  const char* xdg = std::getenv("XDG_STATE_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "zor-maintenance";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : "") / ".local" / "state" / "zor-maintenance";
}

bool EnsureDirectory(const std::filesystem::path& folder, std::string& problem) {
  std::error_code error;
  std::filesystem::path built;
  for (const auto& part : folder) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) == 0 || errno == EEXIST) continue;
    problem = Why(built, "cannot create the folder");
    return false;
  }
  if (!std::filesystem::is_directory(folder, error)) {
    problem = folder.string() + " is not a folder";
    return false;
  }
  return true;
}

FileRead ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink) {
  FileRead result;
  Fd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW))};
  if (file.fd < 0) {
    result.problem = errno == ELOOP ? path.string() + " is a symbolic link" : Why(path, "cannot open");
    return result;
  }
  struct stat st{};
  if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    result.problem = path.string() + " is not a regular file";
    return result;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    result.problem = path.string() + " is larger than " + std::to_string(maxBytes / 1024) + " KB";
    result.tooLarge = true;
    return result;
  }
  std::string bytes;
  char buffer[16384];
  while (true) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.problem = Why(path, "cannot read");
      return result;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    // It may have grown since fstat.
    if (bytes.size() > maxBytes) {
      result.problem = path.string() + " is larger than " + std::to_string(maxBytes / 1024) + " KB";
      result.tooLarge = true;
      return result;
    }
  }
  result.bytes = std::move(bytes);
  return result;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& problem) {
  struct stat st{};
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    problem = path.string() + " exists and is not a regular file; it was left alone";
    return false;
  }
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::random_device random;
  std::filesystem::path temporary;
  Fd file;
  for (int attempt = 0; attempt < 16 && file.fd < 0; ++attempt) {
    temporary = folder / ("." + path.filename().string() + ".tmp-" + std::to_string(random() % 1000000));
    file.fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file.fd < 0 && errno != EEXIST) break;
  }
  if (file.fd < 0) {
    problem = Why(folder, "cannot write in");
    return false;
  }
  const bool written = WriteAll(file.fd, bytes.data(), bytes.size()) && ::fsync(file.fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(file.fd) == 0;
  file.fd = -1;
  if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    errno = written && closed ? errno : writeError;
    problem = Why(path, "cannot write");
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
  return true;
}

}  // namespace zor::service
