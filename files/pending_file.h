#pragma once
// The atomic replace: a file is written as a temporary beside the one it
// replaces, flushed to disk, and put in its place by a rename, whose folder is
// flushed too. A crash or a kill leaves the old file or the new one, never
// half of either. The temporary is locked from its creation to the rename,
// so the temporaries that killed writes left behind (unlocked, named ours,
// the user's regular files) can be told from those of a write under way.

#include <sys/types.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/own_file.h"
#include "files/result.h"

namespace zor::files {

// How the temporary beside FILE is named.
enum class Temporary {
  // ".FILE.tmp-NNNNNN" (six digits; the shorter numbers of earlier versions
  // count too): hidden, and create() removes the stale ones of any file in
  // the folder.
  Hidden,
  // "FILE.tmp-XXXXXX" (six letters or digits), for a file kept under a lock
  // of its own: its holder removes the stale ones with removeStaleTemporaries.
  Beside,
};

// The errno create() gives a path named like a temporary (Hidden), which a
// later save would take for a stale one; a path there that is not a regular
// file gives kNotRegular. Both refusals name the path itself, while a call
// that failed names the folder or the temporary.
inline constexpr int kNamedLikeTemporary = EINVAL;

class PendingFile {
 public:
  explicit PendingFile(Temporary naming = Temporary::Hidden, mode_t mode = 0644) : naming_(naming), mode_(mode) {}
  ~PendingFile();  // removes the temporary unless committed
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Hidden: an existing path that is not a regular file (a link, a folder, a
  // FIFO) is left alone and refused, as is a path named like a temporary.
  Result<> create(const std::filesystem::path& path);
  Result<> write(const std::string& bytes);  // the whole file, flushed to disk
  // The file written, still open, and its stamp (taken before the rename,
  // which keeps it).
  Result<OwnFile> commit();

 private:
  Failure failed(std::string_view hidden, const std::filesystem::path& hiddenPath, std::string_view beside,
                 const std::filesystem::path& besidePath) const;

  Temporary naming_;
  mode_t mode_;
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  UniqueFd folder_;
  UniqueFd file_;
};

// create, write, commit (Hidden). On failure nothing is left behind and the
// old file stays as it was.
Result<> writeFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// Removes the temporaries of file that killed writes left beside it
// (Hidden: those of every file in its folder).
void removeStaleTemporaries(const std::filesystem::path& file, Temporary naming);

}  // namespace zor::files
