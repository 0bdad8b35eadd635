// zor-simulator --headless as a process, with the programs of this user as
// its clients: zorctl and a small program holding the device link. The only
// real-time waits of these tests are the simulator's start and the 2 s bound
// of a call to a simulator that stopped.

#include <dlfcn.h>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>

#include "controller/state_file.h"
#include "protocol/discovery.h"
#include "tests/support/controller_test_util.h"
#include "tests/support/library_loader.h"

extern char** environ;

namespace zor::simulator {
namespace {

using test::Library;
using test::readFile;
using test::TempDir;
using ::testing::HasSubstr;
using Env = std::map<std::string, std::string>;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Runs program with args and env added to this environment; its standard
// output (and, into errPath, its standard error). Killed after a bound.
struct Ran {
  int status = -1;
  std::string out;
};
Ran run(const std::vector<std::string>& args, const Env& env, const std::filesystem::path& errPath) {
  int pipeFds[2];
  EXPECT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeFds[1], STDOUT_FILENO);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    ::dup2(err, STDERR_FILENO);
    for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  Ran ran;
  char buffer[4096];
  const auto end = Clock::now() + 20s;
  pollfd p{pipeFds[0], POLLIN, 0};
  while (Clock::now() < end && ::poll(&p, 1, 100) >= 0) {
    if (!(p.revents & (POLLIN | POLLHUP))) continue;
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    ran.out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  if (Clock::now() >= end) ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return ran;
}

// A zor-simulator --headless, ready once its line is out; ended with SIGTERM.
class Simulator {
 public:
  Simulator(const std::string& socket, std::vector<std::string> more, const Env& env,
            const std::filesystem::path& errPath) {
    int pipeFds[2];
    EXPECT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(pipeFds[1], STDOUT_FILENO);
      const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
      ::dup2(err, STDERR_FILENO);
      for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
      std::vector<std::string> args = {ZOR_SIMULATOR, "--headless", "--socket", socket};
      args.insert(args.end(), more.begin(), more.end());
      std::vector<char*> argv;
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(pipeFds[1]);
    out_ = pipeFds[0];
    // Ready: its one line on standard output.
    const auto end = Clock::now() + 10s;
    pollfd p{out_, POLLIN, 0};
    char c;
    while (Clock::now() < end && ready_.find('\n') == std::string::npos && ::poll(&p, 1, 50) >= 0)
      if ((p.revents & POLLIN) && ::read(out_, &c, 1) == 1) ready_ += c;
  }
  ~Simulator() {
    stop(SIGTERM);
    ::close(out_);
  }
  const std::string& readyLine() const { return ready_; }
  pid_t pid() const { return pid_; }
  void signal(int s) {
    if (s == SIGSTOP) stopped_ = true;
    ::kill(pid_, s);
  }
  // Its exit status after s (128 + signal when it died of it). A stopped
  // simulator is continued first, never after: a SIGCONT that reaches an
  // exiting simulator would discard the stop that the leak checker's tracer
  // is waiting for, and the run would hang there.
  int stop(int s) {
    if (pid_ <= 0) return status_;
    if (stopped_ && s != SIGKILL) ::kill(pid_, SIGCONT);
    ::kill(pid_, s);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = 0;
    return status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
  int status_ = -1;
  bool stopped_ = false;
  std::string ready_;
};

// A program holding the device link as a client of the simulator, in a child
// of its own; steps run one by one, each when the test says go.
class LinkClient {
 public:
  using Step = std::function<int(const Library&)>;
  LinkClient(const Env& env, std::vector<Step> steps) {
    int toChild[2], toParent[2];
    EXPECT_EQ(::pipe(toChild), 0);
    EXPECT_EQ(::pipe(toParent), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(toChild[1]);
      ::close(toParent[0]);
      for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
      ::setenv("ZORCOMM_LINK", "simulator", 1);
      Library lib;
      char go;
      for (const Step& step : steps) {
        if (::read(toChild[0], &go, 1) != 1) ::_exit(100);
        const char result = static_cast<char>(lib.complete() ? step(lib) : 99);
        if (::write(toParent[1], &result, 1) != 1) ::_exit(101);
      }
      ::_exit(0);
    }
    ::close(toChild[0]);
    ::close(toParent[1]);
    go_ = toChild[1];
    done_ = toParent[0];
  }
  ~LinkClient() {
    ::close(go_);
    ::close(done_);
    int status;
    ::waitpid(pid_, &status, 0);
  }
  pid_t pid() const { return pid_; }
  // Runs the next step: its result (0 for success), or -1 after 10 s.
  int step() {
    const char go = 1;
    char result = -1;
    pollfd p{done_, POLLIN, 0};
    if (::write(go_, &go, 1) != 1 || ::poll(&p, 1, 10'000) != 1 || ::read(done_, &result, 1) != 1) return -1;
    return result;
  }

 private:
  pid_t pid_ = 0;
  int go_ = -1;
  int done_ = -1;
};

std::int32_t find(const Library& lib, std::int32_t* count = nullptr) {
  std::uint8_t block[protocol::kDiscoveryScratchSize];
  std::int32_t found = 0;
  const std::int32_t result = lib.find(block, &found);
  if (count) *count = found;
  return result;
}
std::int32_t serialOf(const Library& lib) {
  std::uint8_t info[protocol::kSystemInfoLength] = {};
  lib.status(protocol::CMD_GET_SYSTEM_INFO, 0, info, sizeof info, u"NOT USED");
  std::int32_t serial;
  std::memcpy(&serial, info, 4);
  return serial;
}
float yScale(const Library& lib) {
  std::uint8_t scale[8] = {};
  if (lib.status(protocol::CMD_GET_XY_SCALE, 0, scale, 8, u"NOT USED") != 0) return -1;
  float y;
  std::memcpy(&y, scale + 4, 4);
  return y;
}

class SimulatorProcess : public ::testing::Test {
 protected:
  TempDir dir;
  std::string socket = (dir.path() / "socket").string();
  std::filesystem::path err = dir.path() / "stderr";
  Env env = {{"ZORCOMM_STATE", (dir.path() / "state").string()}, {"ZORCOMM_SOCKET", socket}};
  Ran zorctl(std::vector<std::string> args, Env more = {}) {
    args.insert(args.begin(), ZORCTL);
    more.insert(env.begin(), env.end());
    more["ZORCOMM_LINK"] = "simulator";
    more["XDG_STATE_HOME"] = dir.path().string();  // the service log
    return run(args, more, err);
  }
};

TEST_F(SimulatorProcess, TwoProgramsAtOnceSeeOneControllerAndTheLogSeesEveryCall) {
  const auto log = dir.path() / "packets";
  Simulator simulator(socket, {"--packet-log", log.string()}, env, err);
  ASSERT_EQ(simulator.readyLine(), "zor-simulator: serving 1 system on " + socket + "\n") << readFile(err);
  LinkClient held(env, {
                           [](const Library& lib) { return find(lib) == 1 && yScale(lib) == 1.0f ? 0 : 1; },
                           [](const Library& lib) { return yScale(lib) == 0.998f ? 0 : 2; },
                           [](const Library& lib) { return lib.text(protocol::CMD_SET_Y_SCALE, "0.5"); },
                       });
  EXPECT_EQ(held.step(), 0);
  EXPECT_EQ(zorctl({"set", "scale", "1.002", "0.998"}).status, 0) << readFile(err);
  EXPECT_EQ(held.step(), 0) << "the program holding the library sees zorctl's change at its next read";
  EXPECT_EQ(held.step(), 0);
  EXPECT_EQ(zorctl({"get", "scale"}).out, "scale_x: 1.00200\nscale_y: 0.50000\n");

  const std::string lines = readFile(log);
  EXPECT_THAT(lines, HasSubstr("\"pid\":" + std::to_string(held.pid()) + ",\"system\":100001,\"call\":\"status\""));
  EXPECT_THAT(lines, HasSubstr("\"name\":\"CMD_TEXT_CHAR\",\"value\":0,\"result\":0"));
  EXPECT_THAT(lines, HasSubstr(",\"short\":false,\"text\":\"1.002\"}"));
  EXPECT_THAT(lines, HasSubstr(",\"short\":true,\"text\":\"0.5\"}")) << "the small program keeps no pauses";
  EXPECT_EQ(simulator.stop(SIGTERM), 0);
  EXPECT_FALSE(std::filesystem::exists(socket));
  EXPECT_EQ(controller::loadState(dir.path() / "state")->state.yScale, 0.5);
}

// Its standard error a pipe that nobody reads: the lines of a thousand dropped
// clients fill it, and the serving goes on.
TEST_F(SimulatorProcess, AStandardErrorThatNobodyReadsNeverStopsTheServing) {
  const auto fifo = dir.path() / "stderr-pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  files::UniqueFd reader(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  ASSERT_GE(::fcntl(reader.get(), F_SETPIPE_SZ, 4096), 0);
  Simulator simulator(socket, {}, env, fifo);
  // Closed before the simulator is ended: a simulator stuck in a write gets out of it.
  struct CloseFirst {
    files::UniqueFd& fd;
    ~CloseFirst() { fd = files::UniqueFd(); }
  } closeFirst{reader};
  ASSERT_THAT(simulator.readyLine(), HasSubstr("serving 1 system"));
  const std::uint8_t malformed[] = {5, 0, 0, 0, 9, 0, 0, 0, 0};
  auto dropOne = [&] {
    const files::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socket.c_str());
    char byte;
    pollfd p{fd.get(), POLLIN, 0};
    return ::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
           ::send(fd.get(), malformed, sizeof malformed, MSG_NOSIGNAL) == sizeof malformed &&
           ::poll(&p, 1, 2000) == 1 && ::recv(fd.get(), &byte, 1, 0) <= 0;
  };
  for (int i = 0; i < 1200; ++i) ASSERT_TRUE(dropOne()) << "client " << i << " was not dropped in time";
  EXPECT_EQ(zorctl({"info"}).status, 0) << readFile(err);

  auto drain = [&] {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(reader.get(), buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
    return text;
  };
  std::string lines = drain();
  const auto deadline = Clock::now() + 5s;
  while (lines.find("lines of diagnostics lost") == std::string::npos && Clock::now() < deadline) {
    ASSERT_TRUE(dropOne());
    lines += drain();
  }
  EXPECT_THAT(lines, HasSubstr(" lines of diagnostics lost: the error stream was not being read\n"));
}

TEST_F(SimulatorProcess, SeveralSystemsEachAddressedByItsSerial) {
  Simulator simulator(socket, {"--systems", "3"}, env, err);
  ASSERT_THAT(simulator.readyLine(), HasSubstr("serving 3 systems")) << readFile(err);
  Env third = env;
  third["ZORCOMM_SYSTEM"] = "100003";
  LinkClient held(third, {[](const Library& lib) {
                    std::int32_t count = 0;
                    return find(lib, &count) == 1 && count == 3 && serialOf(lib) == 100003 ? 0 : 1;
                  }});
  EXPECT_EQ(held.step(), 0);
  EXPECT_THAT(zorctl({"info"}, {{"ZORCOMM_SYSTEM", "100002"}}).out, HasSubstr("serial_number: 100002"));
  const Ran none = zorctl({"info"}, {{"ZORCOMM_SYSTEM", "100004"}});
  EXPECT_EQ(none.status, 3) << "no such system answers";
  EXPECT_EQ(zorctl({"set", "lens", "254"}, {{"ZORCOMM_SYSTEM", "100003"}}).status, 0);
  EXPECT_EQ(controller::loadState(dir.path() / "state-3")->state.lens, 254) << "each system keeps its own state file";
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "state-2"));
}

TEST_F(SimulatorProcess, CallsToAStoppedOrKilledSimulatorFailInTimeAndFindItOnceItIsBack) {
  auto simulator = std::make_unique<Simulator>(socket, std::vector<std::string>{}, env, err);
  ASSERT_FALSE(simulator->readyLine().empty()) << readFile(err);
  auto timed = [](std::function<bool(const Library&)> check, std::chrono::milliseconds least,
                  std::chrono::milliseconds most) {
    return [=](const Library& lib) {
      const auto start = Clock::now();
      const bool ok = check(lib);
      const auto took = Clock::now() - start;
      return !ok ? 1 : took < least ? 2 : took > most ? 3 : 0;
    };
  };
  const std::uint8_t open[4] = {0xFF, 0xFF, protocol::CMD_SHUTTER_OPEN, 0};
  LinkClient held(
      env, {
               [](const Library& lib) { return find(lib) == 1 ? 0 : 1; },
               // stopped: the call waits out its 2 s, no more
               timed([](const Library& lib) { return yScale(lib) == -1; }, 1500ms, 3000ms),
               // killed: nothing to connect to, at once
               timed([&](const Library& lib) { return find(lib) == 0 && lib.send(open, 4, u"") == 7; }, 0ms, 500ms),
               [](const Library& lib) { return find(lib) == 1 ? 0 : 1; },
           });
  EXPECT_EQ(held.step(), 0);
  simulator->signal(SIGSTOP);
  EXPECT_EQ(held.step(), 0);
  EXPECT_EQ(simulator->stop(SIGKILL), 128 + SIGKILL);
  EXPECT_EQ(held.step(), 0);
  // Its socket and lock file are left behind; the next simulator takes over.
  simulator = std::make_unique<Simulator>(socket, std::vector<std::string>{}, env, err);
  ASSERT_FALSE(simulator->readyLine().empty()) << readFile(err);
  EXPECT_EQ(held.step(), 0);
}

// The number after "key": in the last line of lines holding want.
double lastNumber(const std::string& lines, const std::string& want, const std::string& key) {
  const std::size_t line = lines.rfind(want);
  if (line == std::string::npos) return -1;
  const std::size_t at = lines.find("\"" + key + "\":", line);
  return at == std::string::npos ? -1 : std::strtod(lines.c_str() + at + key.size() + 3, nullptr);
}

// The technician's check, as a script does it on the field log: mark the
// original square, set each axis's scale to nominal over measured, mark the
// corrected square; and Move puts the spot where its bytes say.
TEST_F(SimulatorProcess, TheFieldLogMeasuresAScaleCorrectionAndAMove) {
  const std::string log = (dir.path() / "field").string();
  Simulator simulator(socket, {"--field-log", log, "--lens-error", "2,-1,-3"}, env, err);
  ASSERT_FALSE(simulator.readyLine().empty()) << readFile(err);
  const std::string original = "\"figure\":\"original-square\"";
  LinkClient held(
      env, {
               [](const Library& lib) { return find(lib) == 1 ? 0 : 1; },
               [](const Library& lib) { return lib.command(protocol::CMD_MARK_ORIGINAL_SQUARE); },
               [&](const Library& lib) {
                 const std::string lines = readFile(log);
                 const double nominal = lastNumber(lines, original, "nominal_mm");
                 char scale[2][32];
                 std::snprintf(scale[0], 32, "%.5f", nominal / lastNumber(lines, original, "width_mm"));
                 std::snprintf(scale[1], 32, "%.5f", nominal / lastNumber(lines, original, "height_mm"));
                 return lib.text(protocol::CMD_SET_X_SCALE, scale[0]) | lib.text(protocol::CMD_SET_Y_SCALE, scale[1]) |
                        lib.command(protocol::CMD_MARK_CORRECTED_SQUARE);
               },
               [](const Library& lib) {
                 return lib.command(protocol::CMD_MOVE_TO_X, 51) | lib.command(protocol::CMD_MOVE_TO_Y, 200);
               },
           });
  for (int i = 0; i < 4; ++i) ASSERT_EQ(held.step(), 0) << i << readFile(err);
  const std::string lines = readFile(log);
  const std::string corrected = "\"figure\":\"corrected-square\"";
  const double nominal = lastNumber(lines, corrected, "nominal_mm");
  EXPECT_NEAR(nominal, 0.675 * 163 / 2, 1e-4);
  EXPECT_GT(std::abs(lastNumber(lines, original, "width_mm") / nominal - 1), 0.01) << "the lens is off at first";
  EXPECT_LT(std::abs(lastNumber(lines, corrected, "width_mm") / nominal - 1), 0.005) << lines;
  EXPECT_LT(std::abs(lastNumber(lines, corrected, "height_mm") / nominal - 1), 0.005) << lines;
  const std::string move = "\"event\":\"move\"";
  EXPECT_NEAR(lastNumber(lines, move, "x_mm"), (51 / 255.0 - 0.5) * 2 * nominal, 1e-4);
  EXPECT_NEAR(lastNumber(lines, move, "y_mm"), (200 / 255.0 - 0.5) * 2 * nominal, 1e-4);
}

// The sizes calipers take on the last corrected square of the field log, to
// 0.01 mm, as zorctl calibrate's options: its outline starts at the bottom
// left corner and goes anticlockwise, 16 points an edge.
std::vector<std::string> caliperSizes(const std::string& lines) {
  const std::string want = "\"figure\":\"corrected-square\",\"points\":[";
  const std::size_t at = lines.rfind(want);
  if (at == std::string::npos) return {};
  std::vector<double> xy;  // [[x,y],[x,y],...]
  for (const char* p = lines.c_str() + at + want.size(); *p == '[';) {
    char* end = nullptr;
    xy.push_back(std::strtod(p + 1, &end));
    xy.push_back(std::strtod(end + 1, &end));
    p = end + 1 + (end[1] == ',');
  }
  if (xy.size() < 2 * 64) return {};
  auto mm = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return std::string(text);
  };
  const std::string line = lines.substr(at);
  return {"--width",  mm(lastNumber(line, want, "width_mm")),
          "--height", mm(lastNumber(line, want, "height_mm")),
          "--top",    mm(xy[2 * 32] - xy[2 * 48]),
          "--left",   mm(xy[2 * 48 + 1] - xy[1])};
}

// The field calibration round by round, the field log as the calipers: one
// round brings the square on nominal with straight edges, the next sends nothing.
TEST_F(SimulatorProcess, CalibrateBringsTheCorrectedSquareOnNominalInOneRound) {
  const std::string log = (dir.path() / "field").string();
  Simulator simulator(socket, {"--field-log", log, "--lens-error", "4,-3,2.5"}, env, err);
  ASSERT_FALSE(simulator.readyLine().empty()) << readFile(err);
  ASSERT_EQ(zorctl({"mark", "corrected-square"}).status, 0) << readFile(err);
  std::vector<std::string> args{"calibrate"};
  for (const std::string& a : caliperSizes(readFile(log))) args.push_back(a);
  ASSERT_EQ(args.size(), 9u) << readFile(log);
  args.push_back("--mark");
  ASSERT_EQ(zorctl(args).status, 0) << readFile(err);

  const std::string lines = readFile(log);
  const std::string corrected = "\"figure\":\"corrected-square\"";
  const double nominal = 0.675 * 163 / 2;
  EXPECT_NEAR(lastNumber(lines, corrected, "width_mm"), nominal, nominal * 0.0005) << lines;
  EXPECT_NEAR(lastNumber(lines, corrected, "height_mm"), nominal, nominal * 0.0005) << lines;
  const std::vector<std::string> again = caliperSizes(lines);
  ASSERT_EQ(again.size(), 8u);
  EXPECT_NEAR(std::stod(again[5]), std::stod(again[1]), 0.02) << "the top edge is as long as the width";
  EXPECT_NEAR(std::stod(again[7]), std::stod(again[3]), 0.02) << "the left edge is as long as the height";
  args = {"calibrate"};
  args.insert(args.end(), again.begin(), again.end());
  const Ran second = zorctl(args);
  EXPECT_EQ(second.status, 0);
  EXPECT_THAT(readFile(err), HasSubstr("within tolerance; nothing was sent"));
}

TEST_F(SimulatorProcess, ASecondSimulatorOnTheSameSocketNamesTheFirstAndStops) {
  Simulator first(socket, {}, env, err);
  ASSERT_FALSE(first.readyLine().empty());
  const Ran second = run({ZOR_SIMULATOR, "--headless", "--socket", socket}, env, dir.path() / "second");
  EXPECT_EQ(second.status, 1);
  EXPECT_EQ(readFile(dir.path() / "second"),
            "zor-simulator: another zor-simulator (pid " + std::to_string(first.pid()) + ") serves " + socket + "\n");
  EXPECT_EQ(run({ZOR_SIMULATOR, "--systems", "65"}, env, dir.path() / "usage").status, 2);
  EXPECT_EQ(run({ZOR_SIMULATOR, "--version"}, env, dir.path() / "usage").out, "zor-simulator " ZOR_VERSION "\n");
}

}  // namespace
}  // namespace zor::simulator
