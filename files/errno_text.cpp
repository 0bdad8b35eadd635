#include "files/errno_text.h"

#include <cerrno>
#include <cstring>

namespace zor::files {

std::string errnoText(std::string_view what) { return errnoText(what, errno); }

std::string errnoText(std::string_view what, int error) { return std::string(what) + ": " + std::strerror(error); }

Failure errnoFailure(std::string_view what) {
  const int error = errno;
  return {errnoText(what, error), error};
}

}  // namespace zor::files
