#pragma once
// A log of JSON lines for scripts and tests (the packet log, the field log):
// appended to a regular file of this user, opened without following a
// symbolic link and without blocking (created 0600), one write per line. A
// line is there whole or not at all: what a failed write left of it (a full
// disk) is taken back. The first line lost is said once; the log goes on with
// the lines that can be written.

#include <filesystem>
#include <ostream>
#include <string>

#include "files/result.h"
#include "files/unique_fd.h"

namespace zor::simulator {

class JsonLinesFile {
 public:
  // what: its name in the warning ("packet log").
  JsonLinesFile(std::string what, std::ostream& warnings) : what_(std::move(what)), warnings_(warnings) {}

  // A failure, saying why, when path cannot be used.
  files::Result<> open(const std::filesystem::path& path);
  // One line, given without its newline; nothing when not open.
  void append(const std::string& line);

 private:
  std::string what_;
  std::ostream& warnings_;
  std::filesystem::path path_;
  files::UniqueFd fd_;
  bool warned_ = false;
};

}  // namespace zor::simulator
