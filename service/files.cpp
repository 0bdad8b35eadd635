#include "service/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "files/errno_text.h"
#include "files/own_file.h"
#include "files/unique_fd.h"
#include "service/text.h"

namespace zor::service {

Outcome FileFailed(std::string_view why) { return Outcome::failed(Status::FileFailed, FromUtf8(why)); }

Outcome EnsureDirectory(const std::filesystem::path& folder) {
  const files::Result<> made = files::makePrivateFolders(folder);
  if (made) return Outcome::done();
  if (made.error() == EEXIST) return FileFailed(folder.string() + " is not a folder");
  // "cannot create PATH: ...": the service layer's messages name it a folder.
  constexpr std::string_view kCannot = "cannot create ";
  return FileFailed(std::string(kCannot) + "the folder " + made.why().substr(kCannot.size()));
}

Reading<std::string> ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink,
                                   std::string_view what) {
  const auto tooLarge = [&] {
    return FileFailed(path.string() + " is larger than " + SizeText(maxBytes) + ": no " + std::string(what) +
                      " is that large");
  };
  const auto cannot = [&](const char* verb) { return FileFailed(files::errnoText(verb + (" " + path.string()))); };
  const files::UniqueFd file(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW)));
  if (!file) return errno == ELOOP ? FileFailed(path.string() + " is a symbolic link") : cannot("cannot open");
  struct stat st {};
  if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
    return FileFailed(path.string() + " is not a regular file");
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return tooLarge();
  std::string bytes;
  char buffer[16384];
  while (true) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return cannot("cannot read");
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    // It may have grown since fstat.
    if (bytes.size() > maxBytes) return tooLarge();
  }
  return bytes;
}

Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  const files::Result<> written = files::writeFileAtomically(path, bytes);
  return written ? Outcome::done() : FileFailed(written.why());
}

}  // namespace zor::service
