#pragma once
// zor-simulator's command line, window-free.

#include <string>
#include <variant>
#include <vector>

#include "simulator/field_model.h"

namespace zor::simulator_app {

struct Options {
  bool headless = false;
  int systems = 1;              // 1 to 64
  std::string socket;           // empty: $XDG_RUNTIME_DIR/zor-simulator/socket
  std::string packetLog;        // empty: none
  std::string fieldLog;         // empty: none
  simulator::LensError lens{};  // --lens-error SX,SY,K
  int refuse = 0;               // --refuse N: the next N packets are refused
  bool noStatus = false;        // status queries go unanswered
  bool noDiscovery = false;
  int delayMs = 0;  // each reply waits this long
  bool help = false;
  bool version = false;
};

struct UsageError {
  std::string message;
};

// The arguments after the program's name. Each option with a value takes it
// as the next argument or after "=".
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments);

extern const char* const kHelpText;

}  // namespace zor::simulator_app
