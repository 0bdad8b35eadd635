#include "comm/state_file.h"

#include <fstream>
#include <map>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "comm_test_util.h"

namespace zor::sim {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

ControllerState unusualState() {
  ControllerState s;
  s.serial = -2;
  s.modelName = std::string("a\"b\\c\x01\xe9 =", 9);
  s.lens = 65535;
  s.minCurrent = 0.1;  // not exact in binary: the text must round-trip anyway
  s.maxCurrent = 1.5;
  s.current20Percent = 3.3333333333333335;
  s.xScale = 1.002;
  s.yScale = 0.998;
  s.xDistortion = 0;
  s.yDistortion = 65535;
  s.distortionOffset = {-3, 4};
  s.centerOffset = {2147483647, -2147483647 - 1};
  s.aimTopLeft = {1, -1};
  s.aimBottomRight = {-5, 6};
  s.xMultiplier = 0;
  s.yMultiplier = 1e6;
  s.rcJumpDelay = 12.5;
  s.controllerModel = {0x10, 0xabcdef};
  s.mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0xff};
  s.ip = {10, 0, 0, 1};
  s.gateway = {0, 0, 0, 0};
  s.subnetMask = {255, 255, 0, 0};
  s.shipId = 0x0000000a;
  s.workSeconds = 4294967295u;
  return s;
}

std::string readFile(const std::filesystem::path &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::filesystem::path &path, const std::string &text) { std::ofstream(path) << text; }

TEST(StateFile, FormatAndParseRoundTrip) {
  for (const ControllerState &state : {ControllerState{}, unusualState()}) {
    std::string why;
    auto parsed = parseState(formatState(state), &why);
    ASSERT_TRUE(parsed) << why << "\n" << formatState(state);
    EXPECT_EQ(*parsed, state);
  }
}

TEST(StateFile, IsReadableKeyValueText) {
  const std::string text = formatState(unusualState());
  for (const char *line : {"serial = -2\n", "lens = 65535\n", "max_current = 1.5\n", "controller_model = 10abcdef\n",
                           "mac_address = 00:1a:2b:3c:4d:ff\n", "ip_address = 10.0.0.1\n", "ship_id = 0000000a\n",
                           "work_seconds = 4294967295\n", "distortion_offset = -3,4\n"})
    EXPECT_THAT(text, HasSubstr(line));
}

TEST(StateFile, CommentsBlanksAndUnknownKeysAreSkippedMissingKeysDefault) {
  auto parsed = parseState("# note\n\n  lens = 254  \r\nfuture_key = whatever\n");
  ASSERT_TRUE(parsed);
  ControllerState expected;
  expected.lens = 254;
  EXPECT_EQ(*parsed, expected);
}

TEST(StateFile, SaveThenLoadLeavesOnlyTheStateFile) {
  TempDir dir;
  const auto file = dir.path() / "deeper" / "controller-state";  // folders are made as needed
  std::string error;
  ASSERT_TRUE(saveStateAtomic(file, unusualState(), &error)) << error;
  ASSERT_TRUE(saveStateAtomic(file, unusualState(), &error)) << error;  // replacing works too
  std::ostringstream warnings;
  const LoadResult loaded = loadState(file, warnings);
  EXPECT_EQ(loaded.source, LoadSource::File);
  EXPECT_EQ(loaded.state, unusualState());
  EXPECT_EQ(warnings.str(), "");
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(file.parent_path()))
    names.push_back(entry.path().filename());
  EXPECT_THAT(names, ElementsAre("controller-state"));
}

TEST(StateFile, MissingFileGivesDefaultsQuietly) {
  TempDir dir;
  std::ostringstream warnings;
  const LoadResult loaded = loadState(dir.path() / "controller-state", warnings);
  EXPECT_EQ(loaded.source, LoadSource::Defaults);
  EXPECT_EQ(loaded.state, ControllerState{});
  EXPECT_EQ(warnings.str(), "");
  EXPECT_TRUE(dir.names().empty());
}

TEST(StateFile, CorruptFileIsMovedAsideWithOneWarning) {
  const char *corrupt[] = {"serial = abc\n",       "lens 163\n",           "ip_address = 300.1.1.1\n",
                           "model_name = NZ-SIM\n", "min_current = -1\n",   "model_name = \"ABCDEFGHIJK\"\n",
                           "work_seconds = 4294967296\n", "controller_model = 10abcdef0\n"};
  for (const char *text : corrupt) {
    SCOPED_TRACE(text);
    TempDir dir;
    const auto file = dir.path() / "controller-state";
    writeFile(file, std::string("lens = 100\n") + text);
    std::ostringstream warnings;
    const LoadResult loaded = loadState(file, warnings);
    EXPECT_EQ(loaded.source, LoadSource::CorruptMovedAside);
    EXPECT_EQ(loaded.state, ControllerState{});
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_THAT(loaded.movedTo.filename().string(), StartsWith("controller-state.corrupt-"));
    EXPECT_EQ(readFile(loaded.movedTo), std::string("lens = 100\n") + text) << "kept as it was";
    const std::string warned = warnings.str();
    EXPECT_THAT(warned, HasSubstr("corrupt"));
    EXPECT_EQ(std::count(warned.begin(), warned.end(), '\n'), 1);
  }
}

TEST(StateFile, TwoCorruptFilesInOneSecondBothSurvive) {
  TempDir dir;
  const auto file = dir.path() / "controller-state";
  std::ostringstream warnings;
  writeFile(file, "first\n");
  const auto first = loadState(file, warnings).movedTo;
  writeFile(file, "second\n");
  const auto second = loadState(file, warnings).movedTo;
  EXPECT_NE(first, second);
  EXPECT_EQ(readFile(first), "first\n");
  EXPECT_EQ(readFile(second), "second\n");
}

TEST(StateFile, FailedSaveReportsAndLeavesNoTemporaryFile) {
  TempDir dir;
  writeFile(dir.path() / "file", "x");
  std::string error;
  EXPECT_FALSE(saveStateAtomic(dir.path() / "file" / "controller-state", ControllerState{}, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_THAT(dir.names(), ElementsAre("file"));
}

TEST(StateFile, PathComesFromTheEnvironment) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, std::string> cases[] = {
      {{{"ZORCOMM_STATE", "/x/s"}, {"XDG_STATE_HOME", "/xdg"}, {"HOME", "/h"}}, "/x/s"},
      {{{"XDG_STATE_HOME", "/xdg"}, {"HOME", "/h"}}, "/xdg/zor-maintenance/controller-state"},
      {{{"ZORCOMM_STATE", ""}, {"XDG_STATE_HOME", ""}, {"HOME", "/h"}}, "/h/.local/state/zor-maintenance/controller-state"},
      {{{"XDG_STATE_HOME", "relative"}, {"HOME", "/h"}}, "/h/.local/state/zor-maintenance/controller-state"},
      {{}, ""},
  };
  for (const auto &[env, expected] : cases) {
    auto lookup = [&env = env](const char *name) -> const char * {
      auto it = env.find(name);
      return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(resolveStatePath(lookup).string(), expected);
  }
}

}  // namespace
}  // namespace zor::sim
