#pragma once
// Files the tool keeps or is given outside its own folders (settings
// snapshots, the service log), opened the careful way: no blocking on a
// FIFO, no device or folder read as a file, a cap on what is read, writes
// that leave either the old file or the new one, never half of either.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zor::service {

// $XDG_STATE_HOME/zor-maintenance, or ~/.local/state/zor-maintenance when
// XDG_STATE_HOME is unset or not absolute. Not created here.
std::filesystem::path StateDirectory();

// Creates the folder and its missing parents (mode 0700 for those it makes).
// False, with the reason, when that fails or the path is not a folder.
bool EnsureDirectory(const std::filesystem::path& folder, std::string& problem);

struct FileRead {
  std::optional<std::string> bytes;  // nullopt: not read
  std::string problem;               // why not
  bool tooLarge = false;
};

// Reads a whole regular file of at most maxBytes. A FIFO, a device or a
// folder is refused without blocking. followLink: whether a symbolic link at
// the last component is followed (a file the user chose: yes; one of ours: no).
FileRead ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink);

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
  // is left alone and refused.
  bool create(const std::filesystem::path& path, std::string& problem);
  bool write(const std::string& bytes, std::string& problem);  // the whole file, flushed to disk
  bool commit(std::string& problem);

 private:
  std::filesystem::path path_;
  std::string temporary_;
  int folder_ = -1;
  int file_ = -1;
};

// The three steps of a PendingFile. On failure nothing is left behind and the
// old file stays as it was.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& problem);

}  // namespace zor::service
