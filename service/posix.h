#pragma once
// What the service layer's POSIX file code shares: a descriptor that closes
// itself, and the reason a call failed, for a message.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace zor::service {

// An open file descriptor (or -1), closed when it goes out of scope.
struct Fd {
  explicit Fd(int descriptor) : fd(descriptor) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;

  int fd;
};

// "WHAT PATH: the reason errno gives", e.g. "cannot open /x/y: Permission denied".
std::string Why(const std::filesystem::path& path, const char* what);

}  // namespace zor::service
