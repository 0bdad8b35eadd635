#pragma once
// The controller's kept state on disk. Several processes may use one state
// file at once: each change is made under a lock, onto the file as it is
// then. Writes are atomic (a crash leaves the old or the new file), and a file
// that could not be read is never written over.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "controller/controller_model.h"
#include "files/own_file.h"
#include "files/result.h"

namespace zor::controller {

constexpr std::size_t kMaxStateBytes = 1 << 20;
// How long a process waits for the lock that another one holds. A save holds
// it for one read and one write; far longer means that process is stuck.
constexpr std::chrono::milliseconds kLockWait{3000};

// One version of the state file as this process read or wrote it. The file
// stays open so that its inode number cannot go to a later file while the
// stamp is remembered.
struct SeenFile {
  files::UniqueFd held;
  files::FileStamp stamp;
};

enum class LoadSource {
  Defaults,           // no file
  File,               // read
  CorruptMovedAside,  // renamed to "<file>.corrupt-<timestamp>"; the defaults
};

// The state a load goes on with, and where it came from.
struct LoadedState {
  ControllerState state{};
  LoadSource source = LoadSource::Defaults;
  std::filesystem::path movedTo{};  // CorruptMovedAside: where the file went
  std::string corrupt{};            // CorruptMovedAside: what is wrong with the file; else empty
  SeenFile seen{};                  // the file read (File), else nothing
};

// Reads file, opened without following a link and without blocking. A
// failure, saying why, when the file is there but not usable (the file then
// stays as it is): it cannot be read, is not a regular file, holds more than
// kMaxStateBytes, belongs to another user, or is corrupt and cannot be moved
// aside. Without a file the state is defaults; a file without some keys takes
// theirs from defaults.
files::Result<LoadedState> loadState(const std::filesystem::path& file, const ControllerState& defaults = {});

// A temporary file "<file>.tmp-XXXXXX" beside file, fsync, rename, fsync of
// the folder. Missing folders are created. The new file, still open.
files::Result<SeenFile> saveStateAtomic(const std::filesystem::path& file, const ControllerState& state);

// One state file and its lock file "<file>.lock" beside it. The lock is a
// file of its own because a save replaces the state file by a rename. It
// remembers the version last read or written here, so that another process's
// save is noticed with one lstat.
class StateFile {
 public:
  using Warn = std::function<void(const std::string&)>;
  // defaults: the state of a controller whose file is missing.
  StateFile(std::filesystem::path file, Warn warn, std::chrono::milliseconds lockWait = kLockWait,
            ControllerState defaults = {});

  // At start, under the lock when it can be had: reads the state and removes
  // the temporary files of saves that were killed before their rename.
  ControllerState load();
  // False when the file was unusable at start: it is never written then.
  bool usable() const { return unusable_.empty(); }
  const std::string& unusableWhy() const { return unusable_; }

  // Whether the path holds another version than the one last read or
  // written here (always false for a file unusable at start). One lstat.
  bool changed() const;
  // Under the lock: the file as it is now, to go on from. Nothing when it
  // cannot be: the lock was not had in time, the file became unusable (left
  // as it is) or corrupt (moved aside, and the version last read or written
  // here takes its place); a warning says so, once per version met.
  std::optional<ControllerState> reread();

  // Under the lock: reads the file as it is now and writes change(what was
  // read) in its place; for a file found corrupt and moved aside, change(the
  // version last read or written here). A failure when that could not be
  // done.
  files::Result<> update(const std::function<ControllerState(const ControllerState&)>& change);

 private:
  files::Result<files::UniqueFd> lock() const;
  void seen(SeenFile file, ControllerState state);

  std::filesystem::path file_;
  Warn warn_;
  std::chrono::milliseconds lockWait_;
  ControllerState defaults_;
  std::string unusable_;
  SeenFile seen_;              // the version last read or written here
  ControllerState seenState_;  // what it holds
};

// ZORCOMM_STATE, else "controller-state" in the user's state folder
// (files::stateFolder); empty when there is none.
std::filesystem::path resolveStatePath(const std::function<const char*(const char*)>& getenv);

}  // namespace zor::controller
