#include "files/state_folder.h"

namespace zor::files {

Result<std::filesystem::path> stateFolder(const Environment& getenv) {
  const auto absolute = [&](const char* name) {
    const char* value = getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
  };
  if (const char* xdg = absolute("XDG_STATE_HOME")) return std::filesystem::path(xdg) / "zor-maintenance";
  if (const char* home = absolute("HOME")) return std::filesystem::path(home) / ".local" / "state" / "zor-maintenance";
  return Failure{"neither XDG_STATE_HOME nor HOME names an absolute folder"};
}

}  // namespace zor::files
