#include "controller/state_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <limits>
#include <memory>
#include <optional>

#include "controller/careful_file.h"
#include "controller/state_text.h"

namespace zor::controller {
namespace {

// mkostemp fills in the six X.
constexpr std::string_view kTempSuffix = ".tmp-XXXXXX";
constexpr std::size_t kTempRandom = 6;

std::string timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%S", &local);
  return buf;
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool makeFolderFor(const std::filesystem::path& file, std::string& why) {
  return makePrivateFolders(folderOf(file), why);
}

// Renames without ever replacing what is at to (errno EEXIST then).
bool renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without no-replace renames: look first.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

// "<file>.corrupt-<YYYYmmddTHHMMSS>[-n]", shortened to fit the name limit.
std::optional<std::filesystem::path> moveAside(const std::filesystem::path& file) {
  const std::string suffix = ".corrupt-" + timestamp();
  for (int n = 0; n < 1000; ++n) {
    const auto aside = besideName(file, n ? suffix + "-" + std::to_string(n) : suffix);
    if (renameNoReplace(file, aside)) return aside;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

// An exclusive lock on "<file>.lock", held until the descriptor closes. It
// waits while another process reads and replaces the state file, at most wait.
UniqueFd lockBeside(const std::filesystem::path& file, std::chrono::milliseconds wait, std::string& why) {
  const std::filesystem::path path = besideName(file, ".lock");
  OpenResult lock = openOwnFile(path, O_RDONLY | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (lock.status != OpenStatus::Opened) {
    why = "no lock: " + lock.why;
    return {};
  }
  // flock has no timed wait: ask, and ask again after a pause, until the bound.
  const auto end = std::chrono::steady_clock::now() + wait;
  while (::flock(lock.fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      why = errnoText("cannot lock " + path.string());
      return {};
    }
    if (std::chrono::steady_clock::now() >= end) {
      why = path.string() + " is held by another process for more than " + std::to_string(wait.count()) + " ms";
      return {};
    }
    const timespec pause{0, 1'000'000};
    ::nanosleep(&pause, nullptr);
  }
  return std::move(lock.fd);
}

// Temporary files of our own saves that were killed before their rename.
// Only called under the lock, which every save holds while its temporary
// exists: none of them is in use.
void removeStaleTemporaries(const std::filesystem::path& file) {
  std::string prefix = besideName(file, kTempSuffix).filename().string();
  prefix.resize(prefix.size() - kTempRandom);
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folderOf(file).c_str()), ::closedir);
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kTempRandom || !name.starts_with(prefix)) continue;
    const std::string_view random = name.substr(prefix.size());
    if (!std::all_of(random.begin(), random.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
      continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == ::geteuid())
      ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
  }
}

std::string corruptWarning(const std::filesystem::path& file, const LoadResult& loaded, const char* then) {
  return "corrupt controller state " + file.string() + " (" + loaded.why + "); moved to " + loaded.movedTo.string() +
         "; " + then;
}

constexpr const char* kGoingOn = "going on with the state read before";

}  // namespace

LoadResult loadState(const std::filesystem::path& file, const ControllerState& defaults) {
  LoadResult result;
  result.state = defaults;
  ReadResult read = readOwnFile(file, kMaxStateBytes);
  if (read.status == OpenStatus::Missing) return result;
  if (read.status == OpenStatus::Refused) {
    result.source = LoadSource::Unusable;
    result.why = read.why;
    return result;
  }
  if (auto state = parseState(read.text, &result.why, defaults)) {
    result.state = std::move(*state);
    result.source = LoadSource::File;
    result.seen = {std::move(read.fd), read.stamp};
    return result;
  }
  // Keep the broken file for whoever wants to look at it; never overwrite it.
  if (auto aside = moveAside(file)) {
    result.source = LoadSource::CorruptMovedAside;
    result.movedTo = std::move(*aside);
  } else {
    result.source = LoadSource::Unusable;
    result.why = errnoText(file.string() + " is corrupt (" + result.why + ") and cannot be moved aside");
  }
  return result;
}

bool saveStateAtomic(const std::filesystem::path& file, const ControllerState& state, std::string* error,
                     SeenFile* written) {
  std::string why;
  auto fail = [&](std::string what) {
    if (error) *error = std::move(what);
    return false;
  };
  if (!makeFolderFor(file, why)) return fail(why);
  std::string temp = besideName(file, kTempSuffix).string();
  UniqueFd fd(mkostemp(temp.data(), O_CLOEXEC));
  if (!fd) return fail(errnoText("cannot create a temporary file " + temp));
  const std::string text = formatState(state);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd.get(), text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done != text.size() || ::fsync(fd.get()) != 0) {
    why = errnoText("cannot write " + temp);
    ::unlink(temp.c_str());
    return fail(why);
  }
  // The stamp stays the file's through the rename.
  struct stat st {};
  const bool stamped = written && ::fstat(fd.get(), &st) == 0;
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    why = errnoText("cannot rename to " + file.string());
    ::unlink(temp.c_str());
    return fail(why);
  }
  // The rename itself must reach the disk, or a crash could bring back the old file.
  const UniqueFd dir(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir) ::fsync(dir.get());
  // Without a stamp the next look finds the file changed and reads it again.
  if (written) *written = stamped ? SeenFile{std::move(fd), stampOf(st)} : SeenFile{};
  return true;
}

StateFile::StateFile(std::filesystem::path file, Warn warn, std::chrono::milliseconds lockWait,
                     ControllerState defaults)
    : file_(std::move(file)), warn_(std::move(warn)), lockWait_(lockWait), defaults_(std::move(defaults)) {}

UniqueFd StateFile::lock(std::string& why) const { return lockBeside(file_, lockWait_, why); }

void StateFile::seen(SeenFile file, ControllerState state) {
  seen_ = std::move(file);
  seenState_ = std::move(state);
}

ControllerState StateFile::load() {
  try {
    // An unusable file is found before the lock is taken: nothing is created
    // beside what is not ours (a device's folder, say).
    const bool refused = openOwnFile(file_, O_RDONLY, kMaxStateBytes).status == OpenStatus::Refused;
    // Without a lock (no folder yet, or a lock file that is not ours) the
    // state is still read; the saves will say why they fail.
    std::string noLock;
    const UniqueFd lock = refused ? UniqueFd() : this->lock(noLock);
    LoadResult loaded = loadState(file_, defaults_);
    if (loaded.source == LoadSource::CorruptMovedAside) warn_(corruptWarning(file_, loaded, "starting from defaults"));
    if (loaded.source == LoadSource::Unusable) {
      unusable_ = loaded.why;
      warn_("cannot use the controller state: " + unusable_ +
            "; running from defaults in memory, the file is left as it is");
    }
    if (lock) removeStaleTemporaries(file_);
    seen(std::move(loaded.seen), loaded.state);
    return loaded.state;
  } catch (const std::exception& e) {
    unusable_ = file_.string() + " could not be loaded: " + e.what();
    warn_(unusable_ + "; running from defaults in memory, the file is left as it is");
  }
  return defaults_;
}

bool StateFile::changed() const { return usable() && stampAt(file_) != seen_.stamp; }

std::optional<ControllerState> StateFile::reread() {
  try {
    std::string why;
    const UniqueFd lock = this->lock(why);
    if (!lock) {
      warn_("cannot read the controller state again: " + why + "; " + kGoingOn);
      seen_ = {UniqueFd(), stampAt(file_)};  // said once for this version
      return std::nullopt;
    }
    LoadResult now = loadState(file_, defaults_);
    switch (now.source) {
      case LoadSource::File:
      case LoadSource::Defaults:
        seen(std::move(now.seen), now.state);
        return std::move(now.state);
      case LoadSource::Unusable:
        warn_("cannot use the controller state: " + now.why + "; " + kGoingOn + ", the file is left as it is");
        seen_ = {UniqueFd(), stampAt(file_)};
        return std::nullopt;
      case LoadSource::CorruptMovedAside: {
        warn_(corruptWarning(file_, now, "the state read before takes its place"));
        // Every process goes on from one version again, not from the defaults.
        SeenFile written;
        if (saveStateAtomic(file_, seenState_, &why, &written))
          seen_ = std::move(written);
        else
          seen_ = {UniqueFd(), stampAt(file_)};  // the next save tries again
        return std::nullopt;
      }
    }
  } catch (const std::exception& e) {
    warn_(std::string("cannot read the controller state again: ") + e.what() + "; " + kGoingOn);
  }
  return std::nullopt;
}

bool StateFile::update(const std::function<ControllerState(const ControllerState&)>& change, std::string& why) {
  if (!usable()) {
    why = unusable_ + "; not written";
    return false;
  }
  try {
    if (!makeFolderFor(file_, why)) return false;
    const UniqueFd lock = this->lock(why);
    if (!lock) return false;
    const LoadResult now = loadState(file_, defaults_);
    if (now.source == LoadSource::Unusable) {
      why = now.why + "; not written";
      return false;
    }
    const bool corrupt = now.source == LoadSource::CorruptMovedAside;
    if (corrupt) warn_(corruptWarning(file_, now, "the state read before takes its place"));
    ControllerState next = change(corrupt ? seenState_ : now.state);
    SeenFile written;
    if (!saveStateAtomic(file_, next, &why, &written)) {
      if (corrupt) seen_ = {UniqueFd(), stampAt(file_)};  // moved aside: this process goes on with what it had
      return false;
    }
    seen(std::move(written), std::move(next));
    return true;
  } catch (const std::exception& e) {
    why = std::string("cannot save: ") + e.what();
  }
  return false;
}

std::filesystem::path resolveStatePath(const std::function<const char*(const char*)>& getenv) {
  auto set = [&](const char* name) -> const char* {
    const char* value = getenv(name);
    return value && *value ? value : nullptr;
  };
  if (const char* explicitPath = set("ZORCOMM_STATE")) return explicitPath;
  const std::filesystem::path tail = std::filesystem::path("zor-maintenance") / "controller-state";
  // The base directory rules ignore a relative XDG_STATE_HOME.
  if (const char* xdg = set("XDG_STATE_HOME"); xdg && xdg[0] == '/') return std::filesystem::path(xdg) / tail;
  if (const char* home = set("HOME")) return std::filesystem::path(home) / ".local" / "state" / tail;
  return {};
}

}  // namespace zor::controller
