#include "service/posix.h"

#include <cerrno>
#include <cstring>

namespace zor::service {

std::string Why(const std::filesystem::path& path, const char* what) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

}  // namespace zor::service
