#include "simulator/json_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "files/errno_text.h"
#include "files/own_file.h"

namespace zor::simulator {

files::Result<> JsonLinesFile::open(const std::filesystem::path& path) {
  // An existing log may be of any size: it is only appended to.
  files::Result<files::OwnFile> opened =
      files::openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (!opened) return opened.failure();
  path_ = path;
  fd_ = std::move(opened->fd);
  return {};
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
  const std::string what = "cannot write the " + what_ + " " + path_.string();
  std::string why = n < 0 ? files::errnoText(what) : what + ": a line could not be written whole";
  if (n > 0 && (!sized || ::ftruncate(fd_.get(), st.st_size) != 0)) why += " (a part of it is left)";
  if (warned_) return;
  warned_ = true;
  warnings_ << "zor-simulator: " << why << "; the lines that cannot be written are left out" << std::endl;
}

}  // namespace zor::simulator
