#pragma once
// The user's state folder of the tool, where the controller's state and the
// service log live.

#include <filesystem>
#include <functional>

#include "files/result.h"

namespace zor::files {

using Environment = std::function<const char*(const char*)>;

// $XDG_STATE_HOME/zor-maintenance, else $HOME/.local/state/zor-maintenance.
// Each counts only when it names an absolute folder: an empty, unset or
// relative one would put the state wherever the program was started. A
// failure when neither does. Not created here.
Result<std::filesystem::path> stateFolder(const Environment& getenv);

}  // namespace zor::files
