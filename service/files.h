#pragma once
// Files the tool keeps or is given outside its own folders (settings
// snapshots, the service log), opened the careful way: no blocking on a
// FIFO, no device or folder read as a file, a cap on what is read, writes
// that leave either the old file or the new one, never half of either.
// What fails is said in the user's language for the person and in English
// for the record, as every outcome's message is.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/pending_file.h"
#include "service/outcome.h"
#include "text/people_text.h"

namespace zor::service {

// A file that could not be read or written, and why.
Outcome FileFailed(const text::PeopleText& why);

// What the C library says of an errno: in English for the record, and in
// the user's language as far as the C library has it for the person.
text::PeopleText ErrnoText(int error);

// "cannot open PATH: <what the errno says>", for a call that failed on a file.
enum class FileCall { Open, Read, Write };
text::PeopleText FileCallFailedText(FileCall call, const std::filesystem::path& path, int error);

// What is at path is not what the tool uses: a symbolic link, or not a
// regular file (a folder, a FIFO, a device).
text::PeopleText SymbolicLinkText(const std::filesystem::path& path);
text::PeopleText NotRegularFileText(const std::filesystem::path& path);

// Creates the folder and its missing parents (mode 0700 for those it makes).
// FileFailed, with the reason, when that fails or the path is not a folder.
Outcome EnsureDirectory(const std::filesystem::path& folder);

// Reads a whole regular file of at most maxBytes; one that is larger is
// refused with tooLarge (%1 the path, %2 the limit: "%1 is larger than %2:
// no settings snapshot is that large"). A FIFO, a device or a folder is
// refused without blocking. followLink: whether a symbolic link at the last
// component is followed (a file the user chose: yes; one of ours: no).
Reading<std::string> ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink,
                                   const text::PeopleText& tooLarge);

// A file being written in place of another (files::PendingFile, its
// temporary hidden: ".NAME.tmp-NNNNNN"), each step Done or FileFailed.
class PendingFile {
 public:
  // An existing path that is not a regular file (a link, a folder, a FIFO)
  // is left alone and refused.
  Outcome create(const std::filesystem::path& path);
  Outcome write(const std::string& bytes);  // the whole file, flushed to disk
  Outcome commit();

 private:
  std::filesystem::path path_;
  files::PendingFile file_;  // removes the temporary unless committed
};

// The three steps of a PendingFile. On failure nothing is left behind and the
// old file stays as it was.
Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace zor::service
