// The small pieces of careful file access: errno in words, the bounded lock
// wait and the user's state folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include <cerrno>
#include <map>
#include <string>

#include "files/errno_text.h"
#include "files/lock_wait.h"
#include "files/state_folder.h"
#include "files/unique_fd.h"
#include "tests/support/controller_test_util.h"

namespace zor::files {
namespace {

TEST(ErrnoText, SaysWhatFailedAndWhy) {
  errno = ENOENT;
  EXPECT_EQ(errnoText("cannot open /x"), "cannot open /x: No such file or directory");
  EXPECT_EQ(errnoText("cannot run z", EACCES), "cannot run z: Permission denied");
  errno = EPIPE;
  const Failure failure = errnoFailure("cannot send");
  EXPECT_EQ(failure.why, "cannot send: Broken pipe");
  EXPECT_EQ(failure.error, EPIPE);
}

// Another descriptor of the file holds the lock as another process would.
TEST(LockWithin, TakesAFreeLockAndGivesUpOnAHeldOneAtTheBound) {
  zor::test::TempDir dir;
  const auto path = dir.path() / "lock";
  const UniqueFd holder(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  const UniqueFd asker(::open(path.c_str(), O_RDWR | O_CLOEXEC));
  struct Case {
    const char* name;
    int held;  // what the holder takes first; 0: nothing
    int asked;
    bool taken;
  };
  const Case cases[] = {
      {"free", 0, LOCK_EX, true},
      {"shared beside shared", LOCK_SH, LOCK_SH, true},
      {"exclusive while shared", LOCK_SH, LOCK_EX, false},
      {"shared while exclusive", LOCK_EX, LOCK_SH, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.held) {
      ASSERT_EQ(::flock(holder.get(), c.held), 0);
    }
    for (const int wait : {0, 5}) {
      const Result<bool> taken = lockWithin(asker.get(), c.asked, std::chrono::milliseconds(wait), path);
      ASSERT_TRUE(taken) << taken.why();
      EXPECT_EQ(*taken, c.taken) << wait << " ms";
      ::flock(asker.get(), LOCK_UN);
    }
    ::flock(holder.get(), LOCK_UN);
  }
  const Result<bool> refused = lockWithin(-1, LOCK_EX, std::chrono::milliseconds(0), path);
  EXPECT_EQ(refused.why(), "cannot lock " + path.string() + ": Bad file descriptor");
}

// Only an absolute folder counts: a relative one would put the state
// wherever the program was started.
TEST(StateFolder, ComesFromAnAbsoluteXdgStateHomeOrHome) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, std::string> cases[] = {
      {{{"XDG_STATE_HOME", "/xdg"}, {"HOME", "/h"}}, "/xdg/zor-maintenance"},
      {{{"XDG_STATE_HOME", ""}, {"HOME", "/h"}}, "/h/.local/state/zor-maintenance"},
      {{{"HOME", "/h"}}, "/h/.local/state/zor-maintenance"},
      {{{"XDG_STATE_HOME", "relative"}, {"HOME", "/h"}}, "/h/.local/state/zor-maintenance"},
      {{{"XDG_STATE_HOME", "relative"}, {"HOME", "h"}}, ""},
      {{{"HOME", ""}}, ""},
      {{}, ""},
  };
  for (const auto& [env, expected] : cases) {
    auto lookup = [&env = env](const char* name) -> const char* {
      auto it = env.find(name);
      return it == env.end() ? nullptr : it->second.c_str();
    };
    const Result<std::filesystem::path> folder = stateFolder(lookup);
    EXPECT_EQ(folder ? folder->string() : folder.why(),
              expected.empty() ? "neither XDG_STATE_HOME nor HOME names an absolute folder" : expected);
  }
}

}  // namespace
}  // namespace zor::files
