#include "comm/sim_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "controller/state_file.h"
#include "protocol/discovery.h"
#include "tests/support/controller_test_util.h"

namespace zor::comm {
namespace {

using test::TempDir;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

constexpr char16_t kName[] = u"SYSTEM NAME NOT USED";

class LinkTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::int64_t nowMs = 0;
  std::ostringstream warnings;
  LinkConfig config(bool simulated = true) {
    LinkConfig c;
    c.link = simulated ? LinkKind::Sim : LinkKind::None;
    c.statePath = dir.path() / "controller-state";
    return c;
  }
  std::unique_ptr<SimLink> open(LinkConfig c, std::string boot = "this boot") {
    return std::make_unique<SimLink>(
        std::move(c), [this] { return nowMs; }, warnings, std::move(boot));
  }
  static void text(SimLink& link, std::uint8_t code, std::string_view value, std::int32_t result = 0) {
    for (char c : value) {
      const std::uint8_t packet[4] = {0xFF, 0xFF, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(c)};
      ASSERT_EQ(link.sendCommand(packet, 4, kName), 0);
    }
    const std::uint8_t end[4] = {0xFF, 0xFF, protocol::CMD_TEXT_CHAR, 0};
    const std::uint8_t commit[4] = {0xFF, 0xFF, code, 0};
    ASSERT_EQ(link.sendCommand(end, 4, kName), 0);
    ASSERT_EQ(link.sendCommand(commit, 4, kName), result);
  }
  static void command(SimLink& link, std::uint8_t code, std::int32_t result = 0) {
    const std::uint8_t packet[4] = {0xFF, 0xFF, code, 0};
    ASSERT_EQ(link.sendCommand(packet, 4, kName), result);
  }
  static void jogCenterUp(SimLink& link, int steps) {
    command(link, protocol::CMD_CENTER_ADJUST_BEGIN);
    for (int i = 0; i < steps; ++i) command(link, protocol::CMD_JOG_UP);
    command(link, protocol::CMD_CENTER_ADJUST_SAVE);
  }
  std::size_t warningLines() const {
    const std::string text = warnings.str();
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  }
  static std::uint32_t workSeconds(SimLink& link) {
    std::uint8_t block[4] = {};
    EXPECT_EQ(link.getStatus(protocol::CMD_GET_WORK_TIME, 0, block, 4, u"NOT USED"), 0);
    return block[0] | block[1] << 8 | block[2] << 16 | std::uint32_t{block[3]} << 24;
  }
};

TEST_F(LinkTest, MalformedPacketsAreRefusedAndChangeNothing) {
  auto link = open(config());
  const std::uint8_t good[6] = {0xFF, 0xFF, protocol::CMD_TEXT_CHAR, '1', 0, 0};
  const std::uint8_t badHeader[2][4] = {{0xFE, 0xFF, protocol::CMD_TEXT_CHAR, '1'},
                                        {0xFF, 0x00, protocol::CMD_TEXT_CHAR, '1'}};
  EXPECT_EQ(link->sendCommand(nullptr, 4, kName), protocol::kBadArgument);
  for (std::int32_t length : {-1, 0, 3, 5, 6})
    EXPECT_EQ(link->sendCommand(good, length, kName), protocol::kBadArgument) << length;
  for (const auto& packet : badHeader) EXPECT_EQ(link->sendCommand(packet, 4, kName), protocol::kBadArgument);
  EXPECT_EQ(link->pendingText(), "");
  EXPECT_EQ(link->sendCommand(good, 4, nullptr), 0) << "the system name is not used";
  EXPECT_EQ(link->pendingText(), "1");
}

TEST_F(LinkTest, StatusNeverWritesBeyondTheBlockOrForUnknownCodes) {
  auto link = open(config());
  std::uint8_t block[64];
  EXPECT_EQ(link->getStatus(protocol::CMD_GET_WORK_TIME, 0, nullptr, 4, u"NOT USED"), protocol::kBadArgument);
  for (int code : {-1, 0, 74, 255, 1000}) {
    std::fill(std::begin(block), std::end(block), 0xAA);
    EXPECT_EQ(link->getStatus(code, 0, block, 64, u"NOT USED"), protocol::kUnknownStatus) << code;
    EXPECT_THAT(block, Each(0xAA));
  }
  for (int code : {75, 76, 84, 142, 166, 189, 193, 195, 197, 199, 207}) {
    const auto length = static_cast<std::int32_t>(*controller::ControllerModel::replyLength(code));
    std::fill(std::begin(block), std::end(block), 0xAA);
    EXPECT_EQ(link->getStatus(code, 0, block, length - 1, u"NOT USED"), protocol::kShortBlock) << code;
    EXPECT_THAT(block, Each(0xAA));
    EXPECT_EQ(link->getStatus(code, 0, block, 64, u"NOT USED"), 0) << code;
    EXPECT_TRUE(std::all_of(block + length, std::end(block), [](std::uint8_t b) { return b == 0xAA; })) << code;
  }
}

TEST_F(LinkTest, DiscoveryAndTheUnusedEntryPoints) {
  auto link = open(config());
  std::vector<std::uint8_t> discovery(kDiscoveryLength + 8, 0xAA);
  std::int32_t found = 0;
  EXPECT_NE(link->findSystems(discovery.data(), &found), 0);
  EXPECT_EQ(found, 1);
  EXPECT_THAT(protocol::discovery::Read(discovery.data()),
              ElementsAre(protocol::discovery::Entry{100001, "NZ-SIM", {192, 168, 1, 10}}));
  EXPECT_EQ(discovery[kDiscoveryLength], 0xAA) << "2,564 bytes and no more";
  EXPECT_NE(link->findSystems(nullptr, nullptr), 0);

  const std::uint8_t data[3] = {1, 2, 3};
  EXPECT_EQ(link->sendData(data, 3, kName), 0);
  EXPECT_EQ(link->sendData(nullptr, 0, kName), 0);
  EXPECT_EQ(link->sendData(nullptr, 3, kName), protocol::kBadArgument);
  EXPECT_EQ(link->sendData(data, -1, kName), protocol::kBadArgument);
  EXPECT_EQ(link->checkStatus(kName), 0);
}

// ZORCOMM_SYSTEM, read at every discovery, names the one system or another:
// the block lists the system either way, the result says whether it was the one.
TEST_F(LinkTest, DiscoveryFindsTheSystemThatZorcommSystemNames) {
  const char* wanted = nullptr;
  LinkConfig c = config();
  c.environment = [&wanted](const char* name) { return std::string_view(name) == "ZORCOMM_SYSTEM" ? wanted : nullptr; };
  auto link = open(c);
  const struct {
    const char* wanted;
    std::int32_t result;
  } cases[] = {{nullptr, 1}, {"", 1}, {"100001", 1}, {"100002", 0}, {"-100001", 0}, {"100001x", 0}};
  for (const auto& k : cases) {
    wanted = k.wanted;
    std::vector<std::uint8_t> block(kDiscoveryLength);
    std::int32_t found = 0;
    EXPECT_EQ(link->findSystems(block.data(), &found), k.result) << (k.wanted ? k.wanted : "unset");
    EXPECT_EQ(found, 1);
    EXPECT_EQ(protocol::discovery::Read(block.data()).size(), 1u);
  }
}

TEST_F(LinkTest, LinkNoneFindsNothingAndFailsEveryCall) {
  auto link = open(config(false));
  std::int32_t found = 7;
  std::uint8_t block[38] = {};
  const std::uint8_t packet[4] = {0xFF, 0xFF, protocol::CMD_SHUTTER_OPEN, 0};
  EXPECT_EQ(link->findSystems(std::vector<std::uint8_t>(kDiscoveryLength).data(), &found), 0);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(link->sendCommand(packet, 4, kName), protocol::kNoSystem);
  EXPECT_EQ(link->getStatus(protocol::CMD_GET_SYSTEM_INFO, 0, block, 38, u"NOT USED"), protocol::kNoSystem);
  EXPECT_EQ(link->sendData(packet, 4, kName), protocol::kNoSystem);
  EXPECT_EQ(link->checkStatus(kName), protocol::kNoSystem);
  link.reset();
  EXPECT_TRUE(dir.names().empty()) << "no controller, no state file";
}

TEST_F(LinkTest, CommitsAreSavedAtOnceAndSurviveARestart) {
  auto link = open(config());
  text(*link, protocol::CMD_SET_MAX_CURRENT, "1.5");
  EXPECT_THAT(dir.names(), UnorderedElementsAre("controller-state", "controller-state.lock"));
  EXPECT_EQ(controller::loadState(dir.path() / "controller-state")->state.maxCurrent, 1.5);

  const std::uint8_t jog[4] = {0xFF, 0xFF, protocol::CMD_JOG_UP, 0};
  for (int i = 0; i < 3; ++i) link->sendCommand(jog, 4, kName);
  link = open(config());
  std::uint8_t currents[8] = {};
  ASSERT_EQ(link->getStatus(protocol::CMD_GET_CURRENTS, 0, currents, 8, u"NOT USED"), 0);
  float max = 0;
  std::memcpy(&max, currents + 4, 4);
  EXPECT_EQ(max, 1.5f);
  EXPECT_EQ(warnings.str(), "");
}

TEST_F(LinkTest, WorkingTimeSurvivesARestart) {
  auto link = open(config());
  text(*link, protocol::CMD_SET_WORK_TIME, "1000");
  nowMs += 90'000;
  link.reset();  // the library unloads
  nowMs = 0;     // the machine starts again, and its clock
  link = open(config(), "next boot");
  EXPECT_EQ(workSeconds(*link), 1090u);
  nowMs += 10'000;
  EXPECT_EQ(workSeconds(*link), 1100u);
}

TEST_F(LinkTest, TwoLinksOnOneStateFileKeepEachOthersChanges) {
  auto a = open(config());
  auto b = open(config());
  text(*a, protocol::CMD_SET_LENS, "254");
  text(*b, protocol::CMD_SET_SERIAL_NUMBER, "4711");
  jogCenterUp(*a, 2);
  jogCenterUp(*b, 3);
  text(*a, protocol::CMD_SET_MAX_CURRENT, "1.5");
  EXPECT_EQ(a->model()->snapshot().serial, 4711) << "a commit brings in what the other saved";
  text(*b, protocol::CMD_SET_LENS, "100");
  text(*a, protocol::CMD_SET_LENS, "254");  // the same value again is still a change
  nowMs += 5'000;                           // both hold the library for these seconds
  a.reset();
  b.reset();
  const controller::ControllerState kept = controller::loadState(dir.path() / "controller-state")->state;
  EXPECT_EQ(kept.lens, 254);
  EXPECT_EQ(kept.serial, 4711);
  EXPECT_EQ(kept.maxCurrent, 1.5);
  EXPECT_EQ(kept.centerOffset, (controller::Offset{0, 5}));
  EXPECT_EQ(kept.workSeconds, 5u) << "counted once";
  EXPECT_EQ(warnings.str(), "");
}

TEST_F(LinkTest, StatusAndDiscoveryAnswerWithWhatAnotherProcessSaved) {
  LinkConfig named = config();
  named.model = "NK-100A";  // kept like a set, not saved yet
  auto a = open(named);
  auto b = open(config());
  text(*b, protocol::CMD_SET_MAX_CURRENT, "3.25");
  std::uint8_t currents[8] = {};
  ASSERT_EQ(a->getStatus(protocol::CMD_GET_CURRENTS, 0, currents, 8, u"NOT USED"), 0);
  float max = 0;
  std::memcpy(&max, currents + 4, 4);
  EXPECT_EQ(max, 3.25f);

  text(*b, protocol::CMD_SET_LENS, "254");
  std::vector<std::uint8_t> discovery(kDiscoveryLength);
  std::int32_t found = 0;
  a->findSystems(discovery.data(), &found);
  EXPECT_EQ(a->model()->snapshot().lens, 254);
  ASSERT_EQ(found, 1);
  EXPECT_EQ(protocol::discovery::Read(discovery.data())[0].name, "NK-100A")
      << "this process's own model name stays on top";
  EXPECT_EQ(warnings.str(), "");
}

TEST_F(LinkTest, AFailedSaveIsReportedAndTheNextSaveThatWorksKeepsTheChange) {
  const auto blocker = dir.path() / "blocked";
  test::writeFile(blocker, "a file where the folder should be");
  LinkConfig c = config();
  c.statePath = blocker / "controller-state";
  c.tracePath = (dir.path() / "trace").string();
  auto link = open(c);
  text(*link, protocol::CMD_SET_LENS, "254", protocol::kNotKept);
  text(*link, protocol::CMD_SET_SERIAL_NUMBER, "7", protocol::kNotKept);
  EXPECT_EQ(link->model()->snapshot().lens, 254) << "the controller goes on with it";
  EXPECT_EQ(warningLines(), 1u) << warnings.str();
  EXPECT_THAT(warnings.str(), HasSubstr("cannot save the controller state"));
  EXPECT_THAT(test::readFile(dir.path() / "trace"),
              HasSubstr("dwSendCommand packet=[FF FF 41 00] length=4 -> 5 not kept: cannot create"));

  std::filesystem::remove(blocker);
  text(*link, protocol::CMD_SET_MAX_CURRENT, "1.5");
  const controller::ControllerState kept = controller::loadState(c.statePath)->state;
  EXPECT_EQ(kept.lens, 254);
  EXPECT_EQ(kept.serial, 7);
  EXPECT_EQ(kept.maxCurrent, 1.5);
}

TEST_F(LinkTest, WithoutAStateFileACommitIsNotKept) {
  LinkConfig c = config();
  c.statePath.clear();
  auto link = open(c);
  text(*link, protocol::CMD_SET_LENS, "254", protocol::kNotKept);
  EXPECT_EQ(link->model()->snapshot().lens, 254);
}

TEST_F(LinkTest, EnvironmentModelNameWinsOverTheStateFile) {
  auto link = open(config());
  text(*link, protocol::CMD_SET_MODEL_NAME, "NZ-OTHER");
  link.reset();
  LinkConfig c = config();
  c.model = "NK-100A";
  link = open(c);
  EXPECT_EQ(link->model()->snapshot().modelName, "NK-100A");
}

TEST_F(LinkTest, ConfigurationFromTheEnvironment) {
  using Env = std::map<std::string, std::string>;
  struct Case {
    Env env;
    LinkKind link;
    std::string model;
    bool warns;
    std::string socket = "";
  };
  const Case cases[] = {
      {{}, LinkKind::Sim, "", false},
      {{{"ZORCOMM_LINK", "sim"}, {"ZORCOMM_SIM_MODEL", "N-20"}}, LinkKind::Sim, "N-20", false},
      {{{"ZORCOMM_LINK", "none"}}, LinkKind::None, "", false},
      {{{"ZORCOMM_LINK", "simulator"}, {"XDG_RUNTIME_DIR", "/run/user/7"}},
       LinkKind::Simulator,
       "",
       false,
       "/run/user/7/zor-simulator/socket"},
      {{{"ZORCOMM_LINK", "simulator"}, {"XDG_RUNTIME_DIR", "/run/user/7"}, {"ZORCOMM_SOCKET", "/tmp/s"}},
       LinkKind::Simulator,
       "",
       false,
       "/tmp/s"},
      {{{"ZORCOMM_LINK", "simulator"}, {"XDG_RUNTIME_DIR", "run"}}, LinkKind::Simulator, "", true},
      {{{"ZORCOMM_LINK", "usb"}}, LinkKind::None, "", true},
      {{{"ZORCOMM_SIM_MODEL", "NK-100A-LONGNAME"}}, LinkKind::Sim, "NK-100A-LO", false},
  };
  for (const Case& c : cases) {
    Env env = c.env;
    env["ZORCOMM_STATE"] = "/tmp/x";
    std::ostringstream out;
    const LinkConfig config = configFromEnvironment(
        [&env](const char* name) -> const char* {
          auto it = env.find(name);
          return it == env.end() ? nullptr : it->second.c_str();
        },
        out);
    EXPECT_EQ(config.link, c.link);
    EXPECT_EQ(config.socketPath, c.socket);
    EXPECT_EQ(config.model.value_or(""), c.model);
    EXPECT_EQ(out.str().empty(), !c.warns) << out.str();
  }
}

TEST_F(LinkTest, TraceHasOneLinePerCall) {
  LinkConfig c = config();
  c.tracePath = (dir.path() / "trace").string();
  auto link = open(c);
  text(*link, protocol::CMD_SET_LENS, "7x");
  command(*link, protocol::CMD_JOG_UP);
  std::uint8_t block[4];
  link->getStatus(protocol::CMD_GET_IP_ADDRESS, 0, block, 4, u"NOT USED");
  link->getStatus(protocol::CMD_GET_IP_ADDRESS, 0, block, 2, u"NOT USED");
  std::int32_t found;
  link->findSystems(nullptr, &found);
  link.reset();

  std::ifstream in(dir.path() / "trace");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  // Each line: monotonic seconds with six decimals, then the call; the
  // rejected commit and the ignored jog end with the controller's reason.
  const std::string expected[] = {
      "dwSendCommand packet=[FF FF 42 37] length=4 -> 0",
      "dwSendCommand packet=[FF FF 42 78] length=4 -> 0",
      "dwSendCommand packet=[FF FF 42 00] length=4 -> 0",
      "dwSendCommand packet=[FF FF 45 00] length=4 -> 0 rejected: lens: \"7x\" is not a whole number",
      "dwSendCommand packet=[FF FF 04 00] length=4 -> 0 ignored: jog up outside an adjustment: nothing moves",
      "dwGetStatus status=0xC3 reserved=0 length=4 reply=[C0 A8 01 0A] -> 0",
      "dwGetStatus status=0xC3 reserved=0 length=2 reply=[] -> 4",
      "ZORFindSystems discovery=null found=set -> 1",
  };
  ASSERT_EQ(lines.size(), std::size(expected));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const auto blank = line.find(' ');
    const auto point = line.find('.');
    ASSERT_NE(blank, std::string::npos) << line;
    EXPECT_EQ(blank - point, 7u) << line;
    EXPECT_TRUE(std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(blank), [](char c) {
      return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
    })) << line;
    EXPECT_EQ(line.substr(blank + 1, expected[i].size()), expected[i]);
  }
}

TEST_F(LinkTest, TraceOffWritesNoFile) {
  auto link = open(config());
  text(*link, protocol::CMD_SET_LENS, "100");
  EXPECT_THAT(dir.names(), UnorderedElementsAre("controller-state", "controller-state.lock"));
}

TEST_F(LinkTest, CallsFromSeveralThreadsAreSerialised) {
  auto link = open(config());
  const std::uint8_t begin[4] = {0xFF, 0xFF, protocol::CMD_DISTORTION_ADJUST_BEGIN, 0};
  const std::uint8_t jog[4] = {0xFF, 0xFF, protocol::CMD_JOG_UP, 0};
  const std::uint8_t save[4] = {0xFF, 0xFF, protocol::CMD_DISTORTION_ADJUST_SAVE, 0};
  link->sendCommand(begin, 4, kName);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      std::uint8_t block[38];
      for (int i = 0; i < 500; ++i) {
        link->sendCommand(jog, 4, kName);
        link->getStatus(protocol::CMD_GET_SYSTEM_INFO, 0, block, 38, u"NOT USED");
      }
    });
  for (auto& thread : threads) thread.join();
  link->sendCommand(save, 4, kName);
  EXPECT_EQ(link->model()->snapshot().distortionOffset, (controller::Offset{0, 2000}));
}

}  // namespace
}  // namespace zor::comm
