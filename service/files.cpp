#include "service/files.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <cerrno>
#include <cstring>

#include "files/own_file.h"
#include "files/unique_fd.h"
#include "service/text.h"

namespace zor::service {

namespace {

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
QString PathText(const std::string& path) { return QString::fromStdString(path); }

// The errno's words in the "C" locale: the C library's English.
QString EnglishErrnoText(int error) {
  static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  return QString::fromLocal8Bit(english != locale_t{} ? ::strerror_l(error, english) : std::strerror(error));
}

}  // namespace

Outcome FileFailed(const text::PeopleText& why) { return Outcome::failed(Status::FileFailed, why); }

// The errno's words are not ours to translate: the record gets the C
// library's English, the person what the C library says in the locale the
// program runs in (its English again where it has no translation).
text::PeopleText ErrnoText(int error) {
  return {EnglishErrnoText(error), QString::fromLocal8Bit(std::strerror(error))};
}

text::PeopleText FileCallFailedText(FileCall call, const std::filesystem::path& path, int error) {
  const text::PeopleText said = [call] {
    switch (call) {
      case FileCall::Open:
        return text::Tr("zor::service::Files", "cannot open %1: %2");
      case FileCall::Read:
        return text::Tr("zor::service::Files", "cannot read %1: %2");
      case FileCall::Write:
        break;
    }
    return text::Tr("zor::service::Files", "cannot write %1: %2");
  }();
  return said.args(PathText(path), ErrnoText(error));
}

text::PeopleText SymbolicLinkText(const std::filesystem::path& path) {
  return text::Tr("zor::service::Files", "%1 is a symbolic link").args(PathText(path));
}

text::PeopleText NotRegularFileText(const std::filesystem::path& path) {
  return text::Tr("zor::service::Files", "%1 is not a regular file").args(PathText(path));
}

Outcome EnsureDirectory(const std::filesystem::path& folder) {
  const files::Result<> made = files::makePrivateFolders(folder);
  if (made) return Outcome::done();
  if (made.error() == EEXIST)
    return FileFailed(text::Tr("zor::service::Files", "%1 is not a folder").args(PathText(folder)));
  // The folder on the way that could not be made.
  return FileFailed(text::Tr("zor::service::Files", "cannot create the folder %1: %2")
                        .args(PathText(made.failure().path), ErrnoText(made.error())));
}

Reading<std::string> ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes, bool followLink,
                                   const text::PeopleText& tooLarge) {
  const auto refused = [&] {
    return FileFailed(tooLarge.args(PathText(path), QString::fromStdString(SizeText(maxBytes))));
  };
  const auto cannot = [&](FileCall call) { return FileFailed(FileCallFailedText(call, path, errno)); };
  const files::UniqueFd file(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW)));
  if (!file) return errno == ELOOP ? FileFailed(SymbolicLinkText(path)) : cannot(FileCall::Open);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return FileFailed(NotRegularFileText(path));
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return refused();
  std::string bytes;
  char buffer[16384];
  while (true) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return cannot(FileCall::Read);
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
    // It may have grown since fstat.
    if (bytes.size() > maxBytes) return refused();
  }
  return bytes;
}

Outcome PendingFile::create(const std::filesystem::path& path) {
  path_ = path;
  const files::Result<> created = file_.create(path);
  if (created) return Outcome::done();
  const files::Failure& failure = created.failure();
  // The refusals name the file itself; a call that failed names its folder.
  if (failure.path != path.string()) {
    return FileFailed(text::Tr("zor::service::Files", "cannot write in %1: %2")
                          .args(PathText(failure.path), ErrnoText(failure.error)));
  }
  if (failure.error == files::kNotRegular) {
    return FileFailed(
        text::Tr("zor::service::Files", "%1 exists and is not a regular file; it was left alone").args(PathText(path)));
  }
  return FileFailed(
      text::Tr("zor::service::Files", "%1 is named like the temporary files of a save, which a later save removes")
          .args(PathText(path)));
}

Outcome PendingFile::write(const std::string& bytes) {
  const files::Result<> written = file_.write(bytes);
  if (written) return Outcome::done();
  return FileFailed(FileCallFailedText(FileCall::Write, written.failure().path, written.error()));
}

Outcome PendingFile::commit() {
  const files::Result<files::OwnFile> committed = file_.commit();
  if (committed) return Outcome::done();
  return FileFailed(FileCallFailedText(FileCall::Write, committed.failure().path, committed.error()));
}

Outcome WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  PendingFile file;
  if (Outcome created = file.create(path); !created.ok()) return created;
  if (Outcome written = file.write(bytes); !written.ok()) return written;
  return file.commit();
}

}  // namespace zor::service
