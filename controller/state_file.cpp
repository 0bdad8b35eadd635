#include "controller/state_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <limits>
#include <optional>

#include "controller/state_text.h"
#include "files/errno_text.h"
#include "files/lock_wait.h"
#include "files/pending_file.h"
#include "files/state_folder.h"

namespace zor::controller {
namespace {

using files::besideName;
using files::Failure;
using files::Result;
using files::UniqueFd;

std::string timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%S", &local);
  return buf;
}

Result<> makeFolderFor(const std::filesystem::path& file) {
  return files::makePrivateFolders(file.has_parent_path() ? file.parent_path() : std::filesystem::path("."));
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
Result<UniqueFd> lockBeside(const std::filesystem::path& file, std::chrono::milliseconds wait) {
  const std::filesystem::path path = besideName(file, ".lock");
  Result<files::OwnFile> lock = files::openOwnFile(path, O_RDONLY | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (!lock) return Failure{"no lock: " + lock.why(), lock.error()};
  const Result<bool> taken = files::lockWithin(lock->fd.get(), LOCK_EX, wait, path);
  if (!taken) return taken.failure();
  if (!*taken)
    return Failure{path.string() + " is held by another process for more than " + std::to_string(wait.count()) + " ms",
                   EWOULDBLOCK};
  return std::move(lock->fd);
}

std::string corruptWarning(const std::filesystem::path& file, const LoadedState& loaded, const char* then) {
  return "corrupt controller state " + file.string() + " (" + loaded.corrupt + "); moved to " +
         loaded.movedTo.string() + "; " + then;
}

constexpr const char* kGoingOn = "going on with the state read before";

}  // namespace

Result<LoadedState> loadState(const std::filesystem::path& file, const ControllerState& defaults) {
  LoadedState loaded;
  loaded.state = defaults;
  Result<files::OwnFile> read = files::readOwnFile(file, kMaxStateBytes);
  if (!read) return read.failure();
  if (!read->found()) return loaded;
  files::Result<ControllerState> state = parseState(read->text, defaults);
  if (state) {
    loaded.state = std::move(*state);
    loaded.source = LoadSource::File;
    loaded.seen = {std::move(read->fd), read->stamp};
    return loaded;
  }
  // Keep the broken file for whoever wants to look at it; never overwrite it.
  std::optional<std::filesystem::path> aside = moveAside(file);
  if (!aside) return files::errnoFailure(file.string() + " is corrupt (" + state.why() + ") and cannot be moved aside");
  loaded.source = LoadSource::CorruptMovedAside;
  loaded.movedTo = std::move(*aside);
  loaded.corrupt = state.why();
  return loaded;
}

Result<SeenFile> saveStateAtomic(const std::filesystem::path& file, const ControllerState& state) {
  if (Result<> folder = makeFolderFor(file); !folder) return folder.failure();
  files::PendingFile pending(files::Temporary::Beside, 0600);
  if (Result<> created = pending.create(file); !created) return created.failure();
  if (Result<> written = pending.write(formatState(state)); !written) return written.failure();
  Result<files::OwnFile> committed = pending.commit();
  if (!committed) return committed.failure();
  // Without a stamp the next look finds the file changed and reads it again.
  if (committed->stamp.inode == 0) return SeenFile{};
  return SeenFile{std::move(committed->fd), committed->stamp};
}

StateFile::StateFile(std::filesystem::path file, Warn warn, std::chrono::milliseconds lockWait,
                     ControllerState defaults)
    : file_(std::move(file)), warn_(std::move(warn)), lockWait_(lockWait), defaults_(std::move(defaults)) {}

Result<UniqueFd> StateFile::lock() const { return lockBeside(file_, lockWait_); }

void StateFile::seen(SeenFile file, ControllerState state) {
  seen_ = std::move(file);
  seenState_ = std::move(state);
}

ControllerState StateFile::load() {
  try {
    // An unusable file is found before the lock is taken: nothing is created
    // beside what is not ours (a device's folder, say).
    const bool refused = !files::openOwnFile(file_, O_RDONLY, kMaxStateBytes).ok();
    // Without a lock (no folder yet, or a lock file that is not ours) the
    // state is still read; the saves will say why they fail.
    Result<UniqueFd> lock = refused ? Result<UniqueFd>(Failure{}) : this->lock();
    Result<LoadedState> loaded = loadState(file_, defaults_);
    if (!loaded) {
      unusable_ = loaded.why();
      warn_("cannot use the controller state: " + unusable_ +
            "; running from defaults in memory, the file is left as it is");
      loaded = LoadedState{.state = defaults_};
    }
    if (loaded->source == LoadSource::CorruptMovedAside)
      warn_(corruptWarning(file_, *loaded, "starting from defaults"));
    if (lock) files::removeStaleTemporaries(file_, files::Temporary::Beside);
    seen(std::move(loaded->seen), loaded->state);
    return loaded->state;
  } catch (const std::exception& e) {
    unusable_ = file_.string() + " could not be loaded: " + e.what();
    warn_(unusable_ + "; running from defaults in memory, the file is left as it is");
  }
  return defaults_;
}

bool StateFile::changed() const { return usable() && files::stampAt(file_) != seen_.stamp; }

std::optional<ControllerState> StateFile::reread() {
  try {
    const Result<UniqueFd> lock = this->lock();
    if (!lock) {
      warn_("cannot read the controller state again: " + lock.why() + "; " + kGoingOn);
      seen_ = {UniqueFd(), files::stampAt(file_)};  // said once for this version
      return std::nullopt;
    }
    Result<LoadedState> now = loadState(file_, defaults_);
    if (!now) {
      warn_("cannot use the controller state: " + now.why() + "; " + kGoingOn + ", the file is left as it is");
      seen_ = {UniqueFd(), files::stampAt(file_)};
      return std::nullopt;
    }
    switch (now->source) {
      case LoadSource::File:
      case LoadSource::Defaults:
        seen(std::move(now->seen), now->state);
        return std::move(now->state);
      case LoadSource::CorruptMovedAside: {
        warn_(corruptWarning(file_, *now, "the state read before takes its place"));
        // Every process goes on from one version again, not from the defaults.
        if (Result<SeenFile> written = saveStateAtomic(file_, seenState_))
          seen_ = std::move(*written);
        else
          seen_ = {UniqueFd(), files::stampAt(file_)};  // the next save tries again
        return std::nullopt;
      }
    }
  } catch (const std::exception& e) {
    warn_(std::string("cannot read the controller state again: ") + e.what() + "; " + kGoingOn);
  }
  return std::nullopt;
}

Result<> StateFile::update(const std::function<ControllerState(const ControllerState&)>& change) {
  if (!usable()) return Failure{unusable_ + "; not written"};
  try {
    if (Result<> folder = makeFolderFor(file_); !folder) return folder;
    const Result<UniqueFd> lock = this->lock();
    if (!lock) return lock.failure();
    const Result<LoadedState> now = loadState(file_, defaults_);
    if (!now) return Failure{now.why() + "; not written", now.error()};
    const bool corrupt = now->source == LoadSource::CorruptMovedAside;
    if (corrupt) warn_(corruptWarning(file_, *now, "the state read before takes its place"));
    ControllerState next = change(corrupt ? seenState_ : now->state);
    Result<SeenFile> written = saveStateAtomic(file_, next);
    if (!written) {
      if (corrupt) seen_ = {UniqueFd(), files::stampAt(file_)};  // moved aside: this process goes on with what it had
      return written.failure();
    }
    seen(std::move(*written), std::move(next));
    return {};
  } catch (const std::exception& e) {
    return Failure{std::string("cannot save: ") + e.what()};
  }
}

std::filesystem::path resolveStatePath(const std::function<const char*(const char*)>& getenv) {
  if (const char* explicitPath = getenv("ZORCOMM_STATE"); explicitPath && *explicitPath) return explicitPath;
  const Result<std::filesystem::path> folder = files::stateFolder(getenv);
  return folder ? *folder / "controller-state" : std::filesystem::path();
}

}  // namespace zor::controller
