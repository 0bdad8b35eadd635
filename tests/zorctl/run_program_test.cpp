// Running a helper program: its input, its output and its bound.
#include "zorctl/run_program.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using zor::zorctl::RunProgram;

TEST(RunProgram, HandsOverInputCollectsOutputAndKeepsItsBound) {
  const std::string big(3 * 1024 * 1024, 'x');  // more than a pipe holds: written and read at once
  const struct {
    std::vector<std::string> shell;
    std::string input;
    std::size_t maxOutput;
    std::chrono::milliseconds bound;
    bool ran;
    int exitStatus;
    std::string out, err, why;
  } cases[] = {
      {{"-c", "cat"}, big, big.size(), 20s, true, 0, big, "", ""},
      {{"-c", "echo oops >&2; exit 5"}, "", 1024, 20s, true, 5, "", "oops\n", ""},
      {{"-c", "exit 0"}, big, 1024, 20s, true, 0, "", "", ""},  // gone before it read its input
      {{"-c", "kill -TERM $$"}, "", 1024, 20s, true, 128 + 15, "", "", ""},
      {{"-c", "sleep 5"}, "", 1024, 50ms, false, -1, "", "", "/bin/sh did not finish within 50 ms"},
      {{"-c", "yes"}, "", 4096, 20s, false, -1, "", "", "/bin/sh wrote more than 4 KB"},
  };
  for (const auto& c : cases) {
    const zor::zorctl::ProgramRun run = RunProgram("/bin/sh", c.shell, c.input, c.bound, c.maxOutput);
    const std::string what = c.shell.back();
    EXPECT_EQ(run.ran, c.ran) << what << ": " << run.why;
    if (c.ran) {
      EXPECT_EQ(run.exitStatus, c.exitStatus) << what;
      EXPECT_EQ(run.out, c.out) << what;
      EXPECT_EQ(run.err, c.err) << what;
    } else {
      EXPECT_EQ(run.why, c.why) << what;
    }
  }
  EXPECT_FALSE(RunProgram("/nonexistent/zor-report", {}, "", 50ms, 1024).ran);
}

}  // namespace
