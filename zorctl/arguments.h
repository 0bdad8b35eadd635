#pragma once
// zorctl's command line: the command, its values and the options, which may
// stand anywhere ("--" ends them; a value such as -1 is a value).

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace zor::zorctl {

struct Options {
  bool json = false;
  bool dryRun = false;
  bool quiet = false;
  bool help = false;
  bool version = false;
  std::optional<std::string> passwordFile;
  std::optional<std::int32_t> system;  // the serial number of the system to address
  // Options of single commands.
  bool cancel = false;                // adjust
  bool typed = false;                 // set controller-model
  bool identity = false;              // restore
  bool otherSystem = false;           // restore
  bool yes = false;                   // restore
  std::optional<std::string> since;   // log, report
  std::optional<std::string> output;  // report
  // calibrate: the sizes measured, in mm, as typed; the tolerance "PCT,MM"
  std::optional<std::string> width, height, top, left, nominal, tolerance;
  bool noSet = false;           // calibrate
  bool mark = false;            // calibrate
  std::set<std::string> given;  // the names of the options given, for the command's check
};

struct Invocation {
  Options options;
  std::string command;  // empty: none given
  std::vector<std::string> values;
};

struct UsageError {
  std::string message;
};

std::variant<Invocation, UsageError> ParseArguments(int argc, const char* const* argv);

}  // namespace zor::zorctl
