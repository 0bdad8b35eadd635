#include "simulator/json_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace zor::simulator {

bool JsonLinesFile::open(const std::filesystem::path& path, std::string& why) {
  // An existing log may be of any size: it is only appended to.
  controller::OpenResult opened =
      controller::openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (opened.status != controller::OpenStatus::Opened) {
    why = opened.why.empty() ? controller::errnoText("cannot open " + path.string()) : opened.why;
    return false;
  }
  path_ = path;
  fd_ = std::move(opened.fd);
  return true;
}

void JsonLinesFile::append(const std::string& line) {
  if (!fd_) return;
  const std::string whole = line + "\n";
  // Where the line starts (appended: at the end), so that a part of it can be taken back.
  struct stat st {};
  const bool sized = ::fstat(fd_.get(), &st) == 0;
  ssize_t n;
  do {
    n = ::write(fd_.get(), whole.data(), whole.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(whole.size())) return;
  std::string why = n < 0 ? std::strerror(errno) : "a line could not be written whole";
  if (n > 0 && (!sized || ::ftruncate(fd_.get(), st.st_size) != 0)) why += " (a part of it is left)";
  if (warned_) return;
  warned_ = true;
  warnings_ << "zor-simulator: cannot write the " << what_ << " " << path_.string() << ": " << why
            << "; the lines that cannot be written are left out" << std::endl;
}

}  // namespace zor::simulator
