// The built libZorComm.so in processes of its own, as the tool and a script
// use it: each child sets its environment, loads the library, calls it and
// unloads it. This process never loads the library itself. A child that hangs
// is killed and fails its test.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

#include "controller/state_file.h"
#include "tests/support/controller_test_util.h"
#include "tests/support/library_loader.h"

namespace zor::comm {
namespace {

using test::Library;
using test::readFile;
using test::TempDir;
using test::writeFile;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Env = std::map<std::string, std::string>;
// A child's work: 0 when all went as expected, else the number of the check that failed.
using Body = std::function<int(const Library&)>;

// The documented result of a commit the controller took but could not keep.
constexpr std::int32_t kNotKept = 5;

class Child {
 public:
  // Standard error of the child goes to stderrPath.
  Child(const Env& env, const std::filesystem::path& stderrPath, const Body& body) {
    pid_ = ::fork();
    if (pid_ != 0) return;
    for (const char* name : {"ZORCOMM_LINK", "ZORCOMM_SIM_MODEL", "ZORCOMM_STATE", "ZORCOMM_TRACE"}) ::unsetenv(name);
    for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
    const int err = ::open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(err, STDERR_FILENO);
    int status = 100;
    {
      Library lib;
      if (lib.complete()) {
        status = body(lib);
        ::dlclose(lib.handle);  // unloads it: the link saves what it counted
      }
    }
    ::_exit(status);
  }
  // The exit status, or nothing when the child had to be killed.
  std::optional<int> wait(std::chrono::seconds timeout = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > end) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        return std::nullopt;
      }
      const timespec pause{0, 5'000'000};
      ::nanosleep(&pause, nullptr);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

 private:
  pid_t pid_ = -1;
};

std::size_t lines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::int32_t findSystem(const Library& lib) {
  std::uint8_t discovery[protocol::kDiscoveryScratchSize];
  std::int32_t found = 0;
  return lib.find(discovery, &found);
}

int jogCenter(const Library& lib, std::uint8_t jog, int steps) {
  if (lib.command(protocol::CMD_CENTER_ADJUST_BEGIN)) return 1;
  for (int i = 0; i < steps; ++i)
    if (lib.command(jog)) return 2;
  return lib.command(protocol::CMD_CENTER_ADJUST_SAVE) ? 3 : 0;
}

struct Probe {
  const char* name;
  std::function<Env(const std::filesystem::path& dir)> setUp;  // makes the files, gives the environment
  Body body;
  // After the child: its standard error and the folder.
  std::function<void(const std::string& stderrText, const std::filesystem::path& dir)> check;
  bool needsRoot = false;
};

// Finds the system and commits a lens; the commit's result must be expected.
Body findAndCommit(std::int32_t expected) {
  return [expected](const Library& lib) {
    if (findSystem(lib) != 1) return 1;
    return lib.text(protocol::CMD_SET_LENS, "254") == expected ? 0 : 2;
  };
}

bool isFifo(const std::filesystem::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST(LibraryProcesses, ProbesOfTheStateFileAndTheTrace) {
  const Probe probes[] = {
      {"FIFO as state file",
       [](const auto& dir) {
         ::mkfifo((dir / "state").c_str(), 0600);
         return Env{{"ZORCOMM_STATE", dir / "state"}, {"ZORCOMM_TRACE", dir / "trace"}};
       },
       findAndCommit(kNotKept),
       [](const std::string& err, const auto& dir) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("running from defaults"));
         EXPECT_THAT(readFile(dir / "trace"), HasSubstr("warning: cannot use the controller state"));
         EXPECT_TRUE(isFifo(dir / "state"));
       }},
      {"FIFO as trace",
       [](const auto& dir) {
         ::mkfifo((dir / "trace").c_str(), 0600);
         return Env{{"ZORCOMM_STATE", dir / "state"}, {"ZORCOMM_TRACE", dir / "trace"}};
       },
       findAndCommit(0),
       [](const std::string& err, const auto& dir) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("no trace"));
         EXPECT_TRUE(isFifo(dir / "trace"));
         EXPECT_EQ(controller::loadState(dir / "state")->state.lens, 254);
       }},
      {"symbolic link as trace",
       [](const auto& dir) {
         writeFile(dir / "target", "not for the trace\n");
         std::filesystem::create_symlink(dir / "target", dir / "trace");
         return Env{{"ZORCOMM_STATE", dir / "state"}, {"ZORCOMM_TRACE", dir / "trace"}};
       },
       findAndCommit(0),
       [](const std::string& err, const auto& dir) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("symbolic link"));
         EXPECT_EQ(readFile(dir / "target"), "not for the trace\n");
       }},
      {"another user's state file",
       [](const auto& dir) {
         writeFile(dir / "state", "lens = 7\n");
         EXPECT_EQ(::chown((dir / "state").c_str(), 4321, 4321), 0);
         return Env{{"ZORCOMM_STATE", dir / "state"}};
       },
       [](const Library& lib) {
         std::uint8_t info[protocol::kSystemInfoLength] = {};
         if (lib.status(protocol::CMD_GET_SYSTEM_INFO, 0, info, sizeof info, u"NOT USED") != 0) return 1;
         if ((info[protocol::identity::kLensAt] | info[protocol::identity::kLensAt + 1] << 8) !=
             controller::ControllerState{}.lens)
           return 2;
         return lib.text(protocol::CMD_SET_LENS, "254") == kNotKept ? 0 : 3;
       },
       [](const std::string& err, const auto& dir) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("another user"));
         EXPECT_EQ(readFile(dir / "state"), "lens = 7\n");
         struct stat st {};
         EXPECT_EQ(::stat((dir / "state").c_str(), &st), 0);
         EXPECT_EQ(st.st_uid, 4321u);
       },
       true},
      {"/dev/zero as state file",
       [](const auto&) {
         return Env{{"ZORCOMM_STATE", "/dev/zero"}};
       },
       findAndCommit(kNotKept),
       [](const std::string& err, const auto&) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("not a regular file"));
         EXPECT_FALSE(std::filesystem::exists("/dev/zero.lock"));
       }},
      {"corrupt state file with a 240-byte name",
       [](const auto& dir) {
         writeFile(dir / std::string(240, 's'), "garbage\n");
         return Env{{"ZORCOMM_STATE", dir / std::string(240, 's')}};
       },
       findAndCommit(0),
       [](const std::string& err, const auto& dir) {
         EXPECT_EQ(lines(err), 1u) << err;
         EXPECT_THAT(err, HasSubstr("corrupt"));
         EXPECT_EQ(controller::loadState(dir / std::string(240, 's'))->state.lens, 254);
         int asides = 0;
         for (const auto& name : TempDir::namesIn(dir))
           if (name.find(".corrupt-") != std::string::npos) {
             ++asides;
             EXPECT_THAT(name, StartsWith(std::string(200, 's')));
             EXPECT_EQ(readFile(dir / name), "garbage\n");
           }
         EXPECT_EQ(asides, 1);
       }},
      {"offsets at INT32_MAX in the state file",
       [](const auto& dir) {
         writeFile(dir / "state", "center_offset = 2147483647,2147483647\naim_top_left = -2147483648,0\n");
         return Env{{"ZORCOMM_STATE", dir / "state"}};
       },
       [](const Library& lib) { return jogCenter(lib, protocol::CMD_JOG_UP, 1); },
       [](const std::string& err, const auto& dir) {
         EXPECT_THAT(err, HasSubstr("corrupt"));
         EXPECT_EQ(controller::loadState(dir / "state")->state.centerOffset, (controller::Offset{0, 1}));
       }},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(probe.name);
    if (probe.needsRoot && ::geteuid() != 0) continue;  // only root can give a file away
    TempDir dir;
    TempDir outside;  // standard error of the child, away from what it may touch
    const Env env = probe.setUp(dir.path());
    Child child(env, outside.path() / "stderr", probe.body);
    EXPECT_EQ(child.wait(), 0) << "0: all went as expected; nothing: it hung";
    probe.check(readFile(outside.path() / "stderr"), dir.path());
  }
}

// Bounded: a child that waits in vain fails instead of hanging.
bool waitFor(const std::filesystem::path& signal) {
  for (int i = 0; i < 2000; ++i) {
    if (std::filesystem::exists(signal)) return true;
    const timespec pause{0, 5'000'000};
    ::nanosleep(&pause, nullptr);
  }
  return false;
}

float maxCurrent(const Library& lib) {
  std::uint8_t currents[8] = {};
  float max = -1;
  if (lib.status(protocol::CMD_GET_CURRENTS, 0, currents, sizeof currents, u"NOT USED") == 0)
    std::memcpy(&max, currents + 4, 4);
  return max;
}

TEST(LibraryProcesses, AStatusQueryAnswersWithWhatAnotherProcessSaved) {
  TempDir dir;
  const Env env{{"ZORCOMM_STATE", dir.path() / "state"}};
  const auto ready = dir.path() / "a-ready";
  const auto done = dir.path() / "b-done";
  Child a(env, dir.path() / "a-stderr", [&](const Library& lib) {
    if (maxCurrent(lib) != 20.0f) return 1;
    writeFile(ready, "");
    if (!waitFor(done)) return 2;
    return maxCurrent(lib) == 3.25f ? 0 : 3;
  });
  Child b(env, dir.path() / "b-stderr", [&](const Library& lib) {
    if (!waitFor(ready)) return 1;
    if (lib.text(protocol::CMD_SET_MAX_CURRENT, "3.25") != 0) return 2;
    writeFile(done, "");
    return 0;
  });
  EXPECT_EQ(a.wait(), 0) << "3: the other's change was not seen";
  EXPECT_EQ(b.wait(), 0);
  EXPECT_EQ(readFile(dir.path() / "a-stderr") + readFile(dir.path() / "b-stderr"), "");
}

// Each process sets one value over and over and moves one axis of the center
// offset one step per save; the working time of both counts once.
Body committingLoop(std::uint8_t setCode, std::uint8_t jog, const std::filesystem::path& countFile) {
  return [=](const Library& lib) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1200);
    int count = 0;
    while (std::chrono::steady_clock::now() < end) {
      ++count;
      if (lib.text(setCode, std::to_string(count)) != 0) return 1;
      if (jogCenter(lib, jog, 1) != 0) return 2;
      // A pause between commits, as every client of the library makes (the
      // tool waits 100 ms after each character): the other process's turn.
      const timespec pause{0, 2'000'000};
      ::nanosleep(&pause, nullptr);
    }
    writeFile(countFile, std::to_string(count));
    return 0;
  };
}

TEST(LibraryProcesses, TwoProcessesCommittingAtOnceLoseNothing) {
  TempDir dir;
  const Env env{{"ZORCOMM_STATE", dir.path() / "state"}};
  const auto started = std::chrono::steady_clock::now();
  Child a(env, dir.path() / "a-stderr",
          committingLoop(protocol::CMD_SET_SERIAL_NUMBER, protocol::CMD_JOG_UP, dir.path() / "a-count"));
  Child b(env, dir.path() / "b-stderr",
          committingLoop(protocol::CMD_SET_LENS, protocol::CMD_JOG_RIGHT, dir.path() / "b-count"));
  EXPECT_EQ(a.wait(), 0);
  EXPECT_EQ(b.wait(), 0);
  // Both held the library within this time, each for 1.2 s or more.
  const auto held = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
  const int countA = std::stoi(readFile(dir.path() / "a-count"));
  const int countB = std::stoi(readFile(dir.path() / "b-count"));
  ASSERT_LT(countB, 65536) << "lens values must stay valid";
  const controller::ControllerState kept = controller::loadState(dir.path() / "state")->state;
  EXPECT_EQ(kept.serial, countA);
  EXPECT_EQ(kept.lens, countB);
  EXPECT_EQ(kept.centerOffset, (controller::Offset{countB, countA}));
  EXPECT_GE(kept.workSeconds, 1u);
  EXPECT_LE(kept.workSeconds, static_cast<std::uint32_t>(held.count())) << "counted once, not once per process";
  EXPECT_EQ(readFile(dir.path() / "a-stderr") + readFile(dir.path() / "b-stderr"), "");
}

}  // namespace
}  // namespace zor::comm
