#include "files/lock_wait.h"

#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "files/errno_text.h"

namespace zor::files {

Result<bool> lockWithin(int fd, int operation, std::chrono::milliseconds wait, const std::filesystem::path& path) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  auto pause = std::chrono::milliseconds(1);
  while (::flock(fd, operation | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      Failure failure = errnoFailure("cannot lock " + path.string());
      failure.path = path.string();
      return failure;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, std::chrono::milliseconds(50));
  }
  return true;
}

}  // namespace zor::files
