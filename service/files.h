#pragma once
// Files the tool keeps or is given outside its own folders (settings
// snapshots, the service log), opened the careful way: no blocking on a
// FIFO, no device or folder read as a file, a cap on what is read, writes
// that leave either the old file or the new one, never half of either.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "service/outcome.h"

namespace zor::service {

// $XDG_STATE_HOME/zor-maintenance, or ~/.local/state/zor-maintenance when
// XDG_STATE_HOME is unset or not absolute. Not created here.
std::filesystem::path StateDirectory();

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

// A file being written in place of another: a temporary beside it,
// ".NAME.tmp-NNNNNN", flushed to disk and then put in its place by rename.
// The temporary is locked from its creation to the rename; the temporaries
// that killed writes left behind in the folder (unlocked, ours by name, the
// user's regular files) are removed by the next create() there.
class PendingFile {
 public:
  PendingFile() = default;
  ~PendingFile();  // removes the temporary unless committed
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // An existing path that is not a regular file (a link, a folder, a FIFO)
  // is left alone and refused. Each step is Done or FileFailed, with why.
  Outcome create(const std::filesystem::path& path);
  Outcome write(const std::string& bytes);  // the whole file, flushed to disk
  Outcome commit();

 private:
  std::filesystem::path path_;
  std::string temporary_;
  int folder_ = -1;
  int file_ = -1;
};

// The three steps of a PendingFile. On failure nothing is left behind and the
// old file stays as it was.
Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zor::service
