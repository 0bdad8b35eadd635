#pragma once
// Files the tool keeps or is given outside its own folders (settings
// snapshots, the service log), opened the careful way: no blocking on a
// FIFO, no device or folder read as a file, a cap on what is read, writes
// that leave either the old file or the new one, never half of either.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/pending_file.h"
#include "service/outcome.h"

namespace zor::service {

// A file that could not be read or written, and why (UTF-8, as the system
// says it; the outcome carries it in UTF-16).
Outcome FileFailed(std::string_view why);

// Creates the folder and its missing parents (mode 0700 for those it makes).
// FileFailed, with the reason, when that fails or the path is not a folder.
Outcome EnsureDirectory(const std::filesystem::path& folder);

// Reads a whole regular file of at most maxBytes; one that is larger is
// "no <what> is that large". A FIFO, a device or a folder is refused without
// blocking. followLink: whether a symbolic link at the last component is
// followed (a file the user chose: yes; one of ours: no).
Reading<std::string> ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink,
                                   std::string_view what);

// A file being written in place of another (files::PendingFile, its
// temporary hidden: ".NAME.tmp-NNNNNN"), each step Done or FileFailed.
class PendingFile {
 public:
  // An existing path that is not a regular file (a link, a folder, a FIFO)
  // is left alone and refused.
  Outcome create(const std::filesystem::path& path) { return Said(file_.create(path)); }
  Outcome write(const std::string& bytes) { return Said(file_.write(bytes)); }  // the whole file, flushed to disk
  Outcome commit() { return Said(file_.commit()); }

 private:
  template <typename T>
  static Outcome Said(const files::Result<T>& result) {
    return result ? Outcome::done() : FileFailed(result.why());
  }

  files::PendingFile file_;  // removes the temporary unless committed
};

// The three steps of a PendingFile. On failure nothing is left behind and the
// old file stays as it was.
Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zor::service
