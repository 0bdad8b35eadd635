#pragma once
// The tool's own command-line options. Window-free: main() reads --help and
// --version before Qt starts (they need no display), then lets Qt take its
// own options (-platform, -style, -session, ...) and reads what is left.

#include <string>
#include <vector>

namespace zor::app {

struct CommandLine {
  enum class Action { Run, Help, Version };
  Action action = Action::Run;  // the first of --help and --version decides
  bool startupProbe = false;
  std::vector<std::string> unknown;  // arguments that are none of ours, in order
};

// argv[0], the program, is skipped.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// The help, in English; main() shows it in the user's language
// (translation context "app::CommandLine").
extern const char kUsage[];

}  // namespace zor::app
