#pragma once
// Runs a helper program of the tool's own: hands it its input on standard
// input, collects what it writes on standard output and standard error, and
// waits for it no longer than a bound; past it, the program is killed.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace zor::zorctl {

struct ProgramRun {
  bool ran = false;      // false: it could not be started, or did not end in time (why says which)
  int exitStatus = -1;   // when ran: its exit status, or 128 + the signal that ended it
  std::string out;       // standard output, at most maxOutput bytes
  std::string err;       // standard error, at most 64 KB
  std::string why;       // when it did not run, or its output was larger than allowed
  std::string localWhy;  // why, in the user's language
};

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input,
                      std::chrono::milliseconds bound, std::size_t maxOutput);

// The helper program of that name beside zorctl, else in the tool's private
// library folder (binToLib, relative to zorctl's folder); "" when neither has it.
std::string FindHelperProgram(const std::string& name, const std::string& binToLib);

}  // namespace zor::zorctl
