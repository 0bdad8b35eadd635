#include "simulator/json_lines.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace zor::simulator {

bool JsonLinesFile::open(const std::filesystem::path& path, std::string& why) {
  // An existing log may be of any size: it is only appended to.
  sim::OpenResult opened =
      sim::openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (opened.status != sim::OpenStatus::Opened) {
    why = opened.why.empty() ? sim::errnoText("cannot open " + path.string()) : opened.why;
    return false;
  }
  path_ = path;
  fd_ = std::move(opened.fd);
  return true;
}

void JsonLinesFile::append(const std::string& line) {
  if (!fd_ || failed_) return;
  const std::string whole = line + "\n";
  ssize_t n;
  do {
    n = ::write(fd_.get(), whole.data(), whole.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(whole.size())) return;
  failed_ = true;
  warnings_ << "zor-simulator: cannot write the " << what_ << " " << path_.string() << ": "
            << (n < 0 ? std::strerror(errno) : "a line was cut short") << "; it stays off from here\n";
  warnings_.flush();
}

}  // namespace zor::simulator
