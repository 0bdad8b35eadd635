#pragma once
// The controller's kept state on disk: "key = value" lines, one per setting,
// written atomically so that a crash leaves either the old or the new file.

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "comm/controller_model.h"

namespace zor::sim {

std::string formatState(const ControllerState &state);
// Unknown keys are skipped (a newer library may have written them); missing
// keys keep their defaults. Any unparsable line or bad value fails the whole file.
std::optional<ControllerState> parseState(std::string_view text, std::string *why = nullptr);

enum class LoadSource { Defaults, File, CorruptMovedAside, Unreadable };

struct LoadResult {
  ControllerState state;
  LoadSource source = LoadSource::Defaults;
  std::filesystem::path movedTo;  // where a corrupt file went
};

// A missing file gives the defaults. A corrupt file is renamed to
// "<file>.corrupt-<timestamp>" and reported in one line on warnings.
LoadResult loadState(const std::filesystem::path &file, std::ostream &warnings);

// Temporary file in the same folder, fsync, rename, fsync of the folder.
bool saveStateAtomic(const std::filesystem::path &file, const ControllerState &state, std::string *error = nullptr);

// ZORCOMM_STATE, else $XDG_STATE_HOME/zor-maintenance/controller-state, else
// ~/.local/state/zor-maintenance/controller-state; empty when none can be made.
std::filesystem::path resolveStatePath(const std::function<const char *(const char *)> &getenv);

}  // namespace zor::sim
