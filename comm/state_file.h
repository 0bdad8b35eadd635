#pragma once
// The controller's kept state on disk. Several processes may use one state
// file at once: each change is made under a lock, onto the file as it is
// then. Writes are atomic (a crash leaves the old or the new file), and a file
// that could not be read is never written over.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "comm/controller_model.h"

namespace zor::sim {

constexpr std::size_t kMaxStateBytes = 1 << 20;

enum class LoadSource {
  Defaults,           // no file
  File,               // read
  CorruptMovedAside,  // renamed to "<file>.corrupt-<timestamp>"; the defaults
  Unusable,           // there but not usable: the defaults, and the file stays as it is
};

struct LoadResult {
  ControllerState state;
  LoadSource source = LoadSource::Defaults;
  std::filesystem::path movedTo;  // where a corrupt file went
  std::string why;                // what is wrong with the file; empty when nothing is
};

// Reads file, opened without following a link and without blocking. Unusable:
// it cannot be read, is not a regular file, holds more than kMaxStateBytes or
// belongs to another user.
LoadResult loadState(const std::filesystem::path &file);

// A temporary file "<file>.tmp-XXXXXX" beside file, fsync, rename, fsync of
// the folder. Missing folders are created.
bool saveStateAtomic(const std::filesystem::path &file, const ControllerState &state, std::string *error = nullptr);

// One state file and its lock file "<file>.lock" beside it. The lock is a
// file of its own because a save replaces the state file by a rename.
class StateFile {
 public:
  using Warn = std::function<void(const std::string &)>;
  StateFile(std::filesystem::path file, Warn warn);

  // At start, under the lock when it can be had: reads the state and removes
  // the temporary files of saves that were killed before their rename.
  ControllerState load();
  // False when the file was unusable at start: it is never written then.
  bool usable() const { return unusable_.empty(); }
  const std::string &unusableWhy() const { return unusable_; }

  // Under the lock: reads the file as it is now and writes change(what was
  // read) in its place. False, and why, when that could not be done.
  bool update(const std::function<ControllerState(const ControllerState &)> &change, std::string &why);

 private:
  std::filesystem::path file_;
  Warn warn_;
  std::string unusable_;
};

// ZORCOMM_STATE, else $XDG_STATE_HOME/zor-maintenance/controller-state, else
// ~/.local/state/zor-maintenance/controller-state; empty when none can be made.
std::filesystem::path resolveStatePath(const std::function<const char *(const char *)> &getenv);

}  // namespace zor::sim
