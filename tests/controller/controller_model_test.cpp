#include "controller/controller_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>

#include "tests/support/controller_test_util.h"

namespace zor::controller {
namespace {

using test::did;
using test::Did;
using test::floatBytes;
using test::give;
using test::reasonOf;
using test::replyBytes;
using test::sendText;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

class ModelTest : public ::testing::Test {
 protected:
  std::int64_t nowMs = 0;
  ControllerModel model{ControllerState{}, [this] { return nowMs; }};
  TextInput text;  // what the test has typed
  Reply query(int status) {
    auto reply = model.status(status);
    EXPECT_TRUE(reply) << status;
    return reply.value_or(Reply{});
  }
};

struct WriteRead {
  std::uint8_t command;
  std::string text;
  int status;
  std::size_t offset;
  Bytes expected;
};

TEST_F(ModelTest, EveryReadableValueReadsBackWhatWasWritten) {
  const WriteRead cases[] = {
      {protocol::CMD_SET_MIN_CURRENT, "0.25", protocol::CMD_GET_CURRENTS, 0, floatBytes(0.25f)},
      {protocol::CMD_SET_MAX_CURRENT, "1.5", protocol::CMD_GET_CURRENTS, 4, floatBytes(1.5f)},
      {protocol::CMD_SET_X_SCALE, "1.002", protocol::CMD_GET_XY_SCALE, 0, floatBytes(1.002f)},
      {protocol::CMD_SET_Y_SCALE, "0.998", protocol::CMD_GET_XY_SCALE, 4, floatBytes(0.998f)},
      {protocol::CMD_SET_X_DISTORTION, "4660", protocol::CMD_GET_XY_DISTORTION, 0, {0x34, 0x12}},
      {protocol::CMD_SET_Y_DISTORTION, "32768", protocol::CMD_GET_XY_DISTORTION, 2, {0x00, 0x80}},
      {protocol::CMD_SET_Y_DISTORTION, "0", protocol::CMD_GET_XY_DISTORTION, 2, {0x00, 0x00}},
      {protocol::CMD_SET_LENS, "420", protocol::CMD_GET_SYSTEM_INFO, 36, {0xA4, 0x01}},
      {protocol::CMD_SET_SERIAL_NUMBER, "123456", protocol::CMD_GET_SYSTEM_INFO, 0, {0x40, 0xE2, 0x01, 0x00}},
      {protocol::CMD_SET_SERIAL_NUMBER, "-1", protocol::CMD_GET_SYSTEM_INFO, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
      {protocol::CMD_SET_MODEL_NAME,
       "NK-100A",
       protocol::CMD_GET_SYSTEM_INFO,
       26,
       {'N', 'K', '-', '1', '0', '0', 'A', 0, 0, 0}},
      {protocol::CMD_SET_MODEL_NAME,
       "ABCDEFGHIJ",
       protocol::CMD_GET_SYSTEM_INFO,
       26,
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}},
      {protocol::CMD_SET_CONTROLLER_MODEL,
       "10abcdef ",
       protocol::CMD_GET_CONTROLLER_MODEL,
       0,
       {0xEF, 0xCD, 0xAB, 0x10}},
      {protocol::CMD_SET_CONTROLLER_MODEL,
       "00123456 ",
       protocol::CMD_GET_CONTROLLER_MODEL,
       0,
       {0x56, 0x34, 0x12, 0x00}},
      {protocol::CMD_SET_MAC_ADDRESS,
       "0A:1B:2C:3D:4E:5F",
       protocol::CMD_GET_MAC_ADDRESS,
       0,
       {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}},
      {protocol::CMD_SET_IP_ADDRESS, "c0.a8.01.0a", protocol::CMD_GET_IP_ADDRESS, 0, {192, 168, 1, 10}},
      {protocol::CMD_SET_GATEWAY, "0a.00.00.fe", protocol::CMD_GET_GATEWAY, 0, {10, 0, 0, 254}},
      {protocol::CMD_SET_SUBNET_MASK, "ff.ff.ff.00", protocol::CMD_GET_SUBNET_MASK, 0, {255, 255, 255, 0}},
      {protocol::CMD_SET_WORK_TIME, "93784", protocol::CMD_GET_WORK_TIME, 0, {0x58, 0x6E, 0x01, 0x00}},
      {protocol::CMD_SET_WORK_TIME, "4294967295", protocol::CMD_GET_WORK_TIME, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CommandResult taken = sendText(model, c.command, c.text);
    EXPECT_EQ(did(taken), Did::Committed) << reasonOf(taken);
    EXPECT_THAT(replyBytes(query(c.status), c.offset, c.expected.size()), ElementsAreArray(c.expected));
  }
}

TEST_F(ModelTest, WriteOnlyValuesAreKept) {
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_20_PERCENT_CURRENT, "4.5")), Did::Committed);
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_X_MULTIPLIER, "2")), Did::Committed);
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_Y_MULTIPLIER, "0.5")), Did::Committed);
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_RC_JUMP_DELAY, "250")), Did::Committed);
  const ControllerState s = model.snapshot();
  EXPECT_EQ(s.current20Percent, 4.5);
  EXPECT_EQ(s.xMultiplier, 2.0);
  EXPECT_EQ(s.yMultiplier, 0.5);
  EXPECT_EQ(s.rcJumpDelay, 250.0);
}

struct Malformed {
  std::uint8_t command;
  std::string text;
  const char* named;  // the value the last error names
};

TEST_F(ModelTest, MalformedValuesAreRejectedAndTheStateStays) {
  const Malformed cases[] = {
      {protocol::CMD_SET_MAX_CURRENT, "1,5", "maximum current"},
      {protocol::CMD_SET_MAX_CURRENT, "", "maximum current"},
      {protocol::CMD_SET_MAX_CURRENT, " 1.5", "maximum current"},
      {protocol::CMD_SET_MAX_CURRENT, "1.5A", "maximum current"},
      {protocol::CMD_SET_MIN_CURRENT, "-1", "minimum current"},
      {protocol::CMD_SET_MIN_CURRENT, "inf", "minimum current"},
      {protocol::CMD_SET_MIN_CURRENT, "nan", "minimum current"},
      {protocol::CMD_SET_X_SCALE, "0", "X scale"},
      {protocol::CMD_SET_Y_SCALE, "0x1p0", "Y scale"},
      {protocol::CMD_SET_X_MULTIPLIER, "-2", "X multiplier"},
      {protocol::CMD_SET_LENS, "0", "lens"},
      {protocol::CMD_SET_LENS, "65536", "lens"},
      {protocol::CMD_SET_LENS, "16.3", "lens"},
      {protocol::CMD_SET_LENS, "+163", "lens"},
      {protocol::CMD_SET_SERIAL_NUMBER, "2147483648", "serial"},
      {protocol::CMD_SET_SERIAL_NUMBER, "12a", "serial"},
      {protocol::CMD_SET_SERIAL_NUMBER, "-", "serial"},
      {protocol::CMD_SET_MODEL_NAME, "", "model name"},
      {protocol::CMD_SET_MODEL_NAME, "ABCDEFGHIJK", "model name"},
      {protocol::CMD_SET_X_DISTORTION, "65536", "X distortion"},
      {protocol::CMD_SET_Y_DISTORTION, "-1", "Y distortion"},
      {protocol::CMD_SET_CONTROLLER_MODEL, "10abcdeg ", "controller model"},
      {protocol::CMD_SET_CONTROLLER_MODEL, "10abcde ", "controller model"},
      {protocol::CMD_SET_CONTROLLER_MODEL, "abcdef", "controller model"},
      {protocol::CMD_SET_MAC_ADDRESS, "0A:1B:2C:3D:4E", "MAC"},
      {protocol::CMD_SET_MAC_ADDRESS, "0A-1B-2C-3D-4E-5F", "MAC"},
      {protocol::CMD_SET_MAC_ADDRESS, "0G:1B:2C:3D:4E:5F", "MAC"},
      {protocol::CMD_SET_IP_ADDRESS, "192.168.1.10", "IP address"},
      {protocol::CMD_SET_IP_ADDRESS, "c0.a8.1.0a", "IP address"},
      {protocol::CMD_SET_GATEWAY, "c0.a8.01.0a.", "gateway"},
      {protocol::CMD_SET_SUBNET_MASK, "", "subnet mask"},
      {protocol::CMD_SET_WORK_TIME, "4294967296", "working time"},
      {protocol::CMD_SET_WORK_TIME, "1,02:03:04", "working time"},
      {protocol::CMD_SET_WORK_TIME, "-1", "working time"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.command) + " \"" + c.text + "\"");
    const ControllerState before = model.snapshot();
    const CommandResult refused = sendText(model, c.command, c.text);
    EXPECT_EQ(did(refused), Did::Rejected);
    EXPECT_THAT(reasonOf(refused), HasSubstr(c.named));
    EXPECT_EQ(model.snapshot(), before);
  }
}

TEST_F(ModelTest, TextNeedsItsEndAndIsUsedOnce) {
  give(model, protocol::CMD_TEXT_CHAR, '7', text);
  const CommandResult unended = model.command(protocol::CMD_SET_LENS, 0, text);
  EXPECT_EQ(did(unended), Did::Rejected) << "no end of text";
  EXPECT_THAT(reasonOf(unended), HasSubstr("no ended text"));
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_LENS, "254")), Did::Committed);
  EXPECT_EQ(did(model.command(protocol::CMD_SET_LENS, 0, text)), Did::Rejected) << "the text was consumed";
  EXPECT_EQ(model.snapshot().lens, 254);

  // A character after an ended text starts a new text.
  for (char c : std::string("99")) give(model, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(c), text);
  give(model, protocol::CMD_TEXT_CHAR, 0, text);
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_LENS, "300")), Did::Committed);
  EXPECT_EQ(model.snapshot().lens, 300);

  const CommandResult tooLong =
      sendText(model, protocol::CMD_SET_LENS, std::string(protocol::kMaxTextLength, '1') + "0");
  EXPECT_EQ(did(tooLong), Did::Rejected);
  EXPECT_THAT(reasonOf(tooLong), HasSubstr("longer than 64"));
  EXPECT_EQ(model.snapshot().lens, 300);
  // A text that fills the buffer is whole: its end takes no place in it.
  EXPECT_EQ(did(sendText(model, protocol::CMD_SET_LENS, std::string(protocol::kMaxTextLength - 3, '0') + "254")),
            Did::Committed);
  EXPECT_EQ(model.snapshot().lens, 254);
}

struct Step {
  std::uint8_t code;
  Did result;
};

struct ModeCase {
  const char* name;
  std::vector<Step> steps;
  Offset distortion, center, aimTopLeft, aimBottomRight;
  Mode modeAfter;
};

TEST_F(ModelTest, AdjustmentModesKeepOnlySavedJogs) {
  using O = Did;
  const ModeCase cases[] = {
      {"distortion saved",
       {{3, O::Accepted}, {4, O::Accepted}, {4, O::Accepted}, {6, O::Accepted}, {8, O::Committed}},
       {1, 2},
       {},
       {},
       {},
       Mode::Idle},
      {"distortion ended",
       {{3, O::Accepted}, {4, O::Accepted}, {154, O::Accepted}, {8, O::Rejected}},
       {},
       {},
       {},
       {},
       Mode::Idle},
      {"center saved",
       {{40, O::Accepted}, {7, O::Accepted}, {5, O::Accepted}, {42, O::Committed}},
       {},
       {-1, -1},
       {},
       {},
       Mode::Idle},
      {"wrong save keeps the mode",
       {{40, O::Accepted}, {6, O::Accepted}, {8, O::Rejected}, {42, O::Committed}},
       {},
       {1, 0},
       {},
       {},
       Mode::Idle},
      {"aiming saved",
       {{11, O::Accepted},
        {4, O::Accepted},
        {12, O::Accepted},
        {6, O::Accepted},
        {6, O::Accepted},
        {13, O::Committed},
        {154, O::Accepted}},
       {},
       {},
       {0, 1},
       {2, 0},
       Mode::Idle},
      {"aiming save needs the second point",
       {{11, O::Accepted}, {5, O::Accepted}, {13, O::Rejected}},
       {},
       {},
       {},
       {},
       Mode::AimTopLeft},
      {"aiming ended at the second point",
       {{11, O::Accepted}, {4, O::Accepted}, {12, O::Accepted}, {154, O::Accepted}},
       {},
       {},
       {},
       {},
       Mode::Idle},
      {"jogs outside a mode",
       {{4, O::Ignored}, {7, O::Ignored}, {12, O::Rejected}, {42, O::Rejected}},
       {},
       {},
       {},
       {},
       Mode::Idle},
      {"a new begin drops the old jogs",
       {{3, O::Accepted}, {4, O::Accepted}, {40, O::Accepted}, {8, O::Rejected}, {42, O::Committed}},
       {},
       {},
       {},
       {},
       Mode::Idle},
      {"saves add up",
       {{3, O::Accepted}, {6, O::Accepted}, {8, O::Committed}, {3, O::Accepted}, {6, O::Accepted}, {8, O::Committed}},
       {2, 0},
       {},
       {},
       {},
       Mode::Idle},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ControllerModel fresh(ControllerState{}, [] { return std::int64_t{0}; });
    for (const Step& step : c.steps) EXPECT_EQ(did(fresh.command(step.code, 0, text)), step.result) << int(step.code);
    const ControllerState s = fresh.snapshot();
    EXPECT_EQ(s.distortionOffset, c.distortion);
    EXPECT_EQ(s.centerOffset, c.center);
    EXPECT_EQ(s.aimTopLeft, c.aimTopLeft);
    EXPECT_EQ(s.aimBottomRight, c.aimBottomRight);
    EXPECT_EQ(fresh.activity().mode, c.modeAfter);
  }
}

struct EdgeCase {
  const char* name;
  std::uint8_t begin;
  std::vector<std::uint8_t> before;  // steps between the begin and the jogs
  Offset ControllerState::*adjusted;
  std::uint8_t save;
};

TEST_F(ModelTest, JogsStopAtTheEdgeOfTheOffsetRange) {
  const EdgeCase cases[] = {
      {"distortion",
       protocol::CMD_DISTORTION_ADJUST_BEGIN,
       {},
       &ControllerState::distortionOffset,
       protocol::CMD_DISTORTION_ADJUST_SAVE},
      {"center",
       protocol::CMD_CENTER_ADJUST_BEGIN,
       {},
       &ControllerState::centerOffset,
       protocol::CMD_CENTER_ADJUST_SAVE},
      {"aiming, second point",
       protocol::CMD_AIM_ALIGN_BEGIN,
       {protocol::CMD_AIM_ALIGN_NEXT_POINT},
       &ControllerState::aimBottomRight,
       protocol::CMD_AIM_ALIGN_SAVE},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ControllerState start;
    start.*c.adjusted = {kOffsetLimit - 1, -kOffsetLimit};
    ControllerModel edge(start, [] { return std::int64_t{0}; });
    give(edge, c.begin, 0, text);
    for (std::uint8_t step : c.before) give(edge, step, 0, text);
    EXPECT_EQ(did(edge.command(protocol::CMD_JOG_RIGHT, 0, text)), Did::Accepted);
    const CommandResult atTheEdge = edge.command(protocol::CMD_JOG_RIGHT, 0, text);
    EXPECT_EQ(did(atTheEdge), Did::Ignored);
    EXPECT_THAT(reasonOf(atTheEdge), HasSubstr("edge"));
    EXPECT_EQ(did(edge.command(protocol::CMD_JOG_DOWN, 0, text)), Did::Ignored);
    EXPECT_EQ(did(edge.command(protocol::CMD_JOG_UP, 0, text)), Did::Accepted) << "back toward the field";
    EXPECT_EQ(did(edge.command(c.save, 0, text)), Did::Committed);
    EXPECT_EQ(edge.snapshot().*c.adjusted, (Offset{kOffsetLimit, -kOffsetLimit + 1}));
  }
}

TEST(Offsets, ShiftingStaysWithinTheRange) {
  const std::tuple<Offset, Offset, Offset> cases[] = {
      {{1, -1}, {2, -2}, {3, -3}},
      {{kOffsetLimit, -kOffsetLimit}, {1, -1}, {kOffsetLimit, -kOffsetLimit}},
      {{INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, {kOffsetLimit, -kOffsetLimit}},
      {{-kOffsetLimit, kOffsetLimit}, {2 * kOffsetLimit, -2 * kOffsetLimit}, {kOffsetLimit, -kOffsetLimit}},
  };
  for (const auto& [offset, by, expected] : cases) EXPECT_EQ(shifted(offset, by), expected);
  EXPECT_TRUE(validOffset({kOffsetLimit, -kOffsetLimit}));
  EXPECT_FALSE(validOffset({kOffsetLimit + 1, 0}));
  EXPECT_FALSE(validOffset({0, INT32_MIN}));
}

struct SaveCase {
  const char* name;
  std::function<void(ControllerModel&, std::int64_t& nowMs)> made;  // what happens here before the save
  ControllerState onDisk;                                           // what the file holds at the save
  std::function<void(ControllerState&)> expected;                   // onDisk, changed as it should be
};

ControllerState withDisk(const std::function<void(ControllerState&)>& change) {
  ControllerState s;
  s.serial = 7;
  s.lens = 100;
  s.centerOffset = {5, 5};
  s.workSeconds = 1000;
  s.workCounted.boot = "this boot";
  change(s);
  return s;
}

TEST_F(ModelTest, ASaveAppliesOnlyWhatChangedHereOntoTheFile) {
  auto none = [](ControllerState&) {};
  auto jogCenter = [this](ControllerModel& m, int ups) {
    give(m, protocol::CMD_CENTER_ADJUST_BEGIN, 0, text);
    for (int i = 0; i < ups; ++i) give(m, protocol::CMD_JOG_UP, 0, text);
    give(m, protocol::CMD_CENTER_ADJUST_SAVE, 0, text);
  };
  const SaveCase cases[] = {
      {"nothing: the file stays", [](ControllerModel&, std::int64_t&) {}, withDisk(none), none},
      {"a set replaces its value only",
       [](ControllerModel& m, std::int64_t&) { EXPECT_TRUE(sendText(m, protocol::CMD_SET_LENS, "254")); },
       withDisk(none), [](ControllerState& s) { s.lens = 254; }},
      {"the same value set again still replaces",
       [](ControllerModel& m, std::int64_t&) { EXPECT_TRUE(sendText(m, protocol::CMD_SET_LENS, "163")); },
       withDisk(none), [](ControllerState& s) { s.lens = 163; }},
      {"the last of several sets wins",
       [](ControllerModel& m, std::int64_t&) {
         for (const char* lens : {"1", "2", "3"}) EXPECT_TRUE(sendText(m, protocol::CMD_SET_LENS, lens));
       },
       withDisk(none), [](ControllerState& s) { s.lens = 3; }},
      {"sets apply in the order made",
       [](ControllerModel& m, std::int64_t&) {
         EXPECT_TRUE(sendText(m, protocol::CMD_SET_SERIAL_NUMBER, "4711"));
         TextInput typed;
         give(m, protocol::CMD_RESET_SERIAL, 0xFF, typed);
       },
       withDisk(none), [](ControllerState& s) { s.serial = 0; }},
      {"saved jogs add to the file's offset",
       [&](ControllerModel& m, std::int64_t&) {
         jogCenter(m, 2);
         jogCenter(m, 1);
       },
       withDisk(none),
       [](ControllerState& s) {
         s.centerOffset = {5, 8};
       }},
      {"jogs added at the edge stop there", [&](ControllerModel& m, std::int64_t&) { jogCenter(m, 3); },
       withDisk([](ControllerState& s) {
         s.centerOffset = {0, kOffsetLimit - 1};
       }),
       [](ControllerState& s) {
         s.centerOffset = {0, kOffsetLimit};
       }},
      {"counted whole seconds add to the file's counter, and say which they are",
       [](ControllerModel&, std::int64_t& now) { now += 2'999; }, withDisk(none),
       [](ControllerState& s) {
         s.workSeconds = 1002;
         s.workCounted.spans = {{40'000, 42'000}};
       }},
      {"spans of another boot are over", [](ControllerModel&, std::int64_t& now) { now += 2'000; },
       withDisk([](ControllerState& s) {
         s.workCounted = {"another boot", {{0, 90'000}}};
       }),
       [](ControllerState& s) {
         s.workSeconds = 1002;
         s.workCounted = {"this boot", {{40'000, 42'000}}};
       }},
      {"a counter set replaces, holds every moment before it, then counts",
       [](ControllerModel& m, std::int64_t& now) {
         now += 5'000;
         EXPECT_TRUE(sendText(m, protocol::CMD_SET_WORK_TIME, "50"));
         now += 1'000;
       },
       withDisk([](ControllerState& s) {
         s.workCounted.spans = {{30'000, 39'000}};
       }),
       [](ControllerState& s) {
         s.workSeconds = 51;
         s.workCounted.spans = {{INT64_MIN, 46'000}};
       }},
      {"the counter stops at its top", [](ControllerModel&, std::int64_t& now) { now += 10'000; },
       withDisk([](ControllerState& s) { s.workSeconds = 4294967290u; }),
       [](ControllerState& s) {
         s.workSeconds = 4294967295u;
         s.workCounted.spans = {{40'000, 50'000}};
       }},
      {"the environment's model name is kept like a set",
       [](ControllerModel& m, std::int64_t&) { m.rename("NK-100A-LONGER"); }, withDisk(none),
       [](ControllerState& s) { s.modelName = "NK-100A-LO"; }},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::int64_t now = 40'000;
    ControllerModel here(
        ControllerState{}, [&now] { return now; }, "this boot");
    c.made(here, now);
    ControllerState expected = c.onDisk;
    c.expected(expected);
    const ControllerModel::Save save = here.changesOnto(c.onDisk);
    EXPECT_EQ(save.state, expected);
    here.saved(save);
    EXPECT_FALSE(here.unsaved());
    EXPECT_EQ(here.changesOnto(c.onDisk).state, c.onDisk) << "saved once, applied once";
    EXPECT_EQ(here.snapshot().lens, expected.lens) << "the model goes on from what was written";
  }
}

TEST_F(ModelTest, TakingUpAnotherSaveKeepsWhatIsUnsavedHere) {
  EXPECT_TRUE(sendText(model, protocol::CMD_SET_SERIAL_NUMBER, "4711"));  // committed here, not saved yet
  give(model, protocol::CMD_CENTER_ADJUST_BEGIN, 0, text);
  give(model, protocol::CMD_JOG_UP, 0, text);
  give(model, protocol::CMD_SHUTTER_OPEN, 0, text);
  give(model, protocol::CMD_TEXT_CHAR, '7', text);  // a text half typed
  ControllerState onDisk;
  onDisk.maxCurrent = 3.25;
  onDisk.serial = 1;
  onDisk.centerOffset = {0, 10};
  model.takeUp(onDisk);

  ControllerState expected = onDisk;
  expected.serial = 4711;
  EXPECT_EQ(model.snapshot(), expected);
  EXPECT_EQ(model.activity().mode, Mode::CenterAdjust);
  EXPECT_TRUE(model.activity().shutterOpen);
  EXPECT_TRUE(model.unsaved());
  EXPECT_EQ(did(model.command(protocol::CMD_CENTER_ADJUST_SAVE, 0, text)), Did::Committed);
  EXPECT_EQ(model.snapshot().centerOffset, (Offset{0, 11})) << "the pending jog lands on the offset taken up";
  give(model, protocol::CMD_TEXT_CHAR, 0, text);
  EXPECT_EQ(did(model.command(protocol::CMD_SET_LENS, 0, text)), Did::Committed);
  EXPECT_EQ(model.snapshot().lens, 7) << "the text goes on";
}

TEST_F(ModelTest, ASavedCounterKeepsTheSecondItWasCounting) {
  nowMs = 1'600;
  EXPECT_TRUE(model.unsaved());
  auto save = model.changesOnto(ControllerState{});
  EXPECT_EQ(save.state.workSeconds, 1u);
  model.saved(save);
  nowMs = 1'999;
  EXPECT_FALSE(model.unsaved());
  nowMs = 2'000;  // the 600 ms left over and 400 more
  EXPECT_TRUE(model.unsaved());
  EXPECT_EQ(model.workSeconds(), 2u);
  EXPECT_EQ(model.changesOnto(ControllerState{}).state.workSeconds, 1u) << "one more second onto the file's";
}

TEST_F(ModelTest, JogOutsideAModeIsRecorded) {
  const CommandResult jog = model.command(protocol::CMD_JOG_UP, 0, text);
  EXPECT_EQ(did(jog), Did::Ignored);
  EXPECT_THAT(reasonOf(jog), HasSubstr("jog up outside an adjustment"));
}

TEST_F(ModelTest, OutputsFollowTheirCommands) {
  give(model, protocol::CMD_AIMING_ON, 0, text);
  give(model, protocol::CMD_SHUTTER_OPEN, 0, text);
  EXPECT_EQ(did(model.command(protocol::CMD_TEST_POWER_ON, 100, text)), Did::Accepted);
  give(model, protocol::CMD_MARK_MAX_FIELD, 0, text);
  give(model, protocol::CMD_MOVE_TO_X, 0x2C, text);
  give(model, protocol::CMD_MOVE_TO_Y, 0x05, text);
  give(model, protocol::CMD_MARK_ORIGINAL_SQUARE, 0, text);
  give(model, protocol::CMD_MARK_CORRECTED_SQUARE, 0, text);
  give(model, protocol::CMD_SHOW_VERSION, 0, text);
  give(model, protocol::CMD_INIT_POWER_BOARD, 0, text);
  Activity a = model.activity();
  EXPECT_TRUE(a.aiming && a.shutterOpen && a.testPower && a.maxField);
  EXPECT_EQ(a.pulse, 100);
  EXPECT_EQ(a.moveX, 0x2C);
  EXPECT_EQ(a.moveY, 0x05);
  EXPECT_EQ(a.originalSquares + a.correctedSquares + a.versionShown + a.powerBoardInits, 4u);

  EXPECT_EQ(did(model.command(protocol::CMD_TEST_POWER_ON, 101, text)), Did::Rejected);
  EXPECT_EQ(model.activity().pulse, 100);
  give(model, protocol::CMD_ADJUST_END, 0, text);
  give(model, protocol::CMD_SHUTTER_CLOSE, 0, text);
  give(model, protocol::CMD_TEST_POWER_OFF, 0, text);
  give(model, protocol::CMD_MARK_MAX_FIELD, 0, text);
  a = model.activity();
  EXPECT_FALSE(a.aiming || a.shutterOpen || a.testPower || a.maxField);

  const CommandResult unknown = model.command(0, 0, text);
  EXPECT_EQ(did(unknown), Did::Rejected);
  EXPECT_THAT(reasonOf(unknown), HasSubstr("unknown command"));
}

TEST_F(ModelTest, ResetSerialNeedsItsGuardValue) {
  EXPECT_TRUE(sendText(model, protocol::CMD_SET_SERIAL_NUMBER, "4711"));
  EXPECT_EQ(did(model.command(protocol::CMD_RESET_SERIAL, 0, text)), Did::Rejected);
  EXPECT_EQ(model.snapshot().serial, 4711);
  EXPECT_EQ(did(model.command(protocol::CMD_RESET_SERIAL, 0xFF, text)), Did::Committed);
  EXPECT_EQ(model.snapshot().serial, 0);
}

TEST_F(ModelTest, StatusCodesAnswerWithTheirLengthsAndNothingElse) {
  const std::pair<int, std::size_t> known[] = {{75, 8},  {76, 4},  {84, 8},  {142, 38}, {166, 4}, {189, 4},
                                               {193, 6}, {195, 4}, {197, 4}, {199, 4},  {207, 4}};
  for (auto [code, length] : known) EXPECT_EQ(query(code).size, length) << code;
  for (int code : {-1, 0, 66, 74, 77, 143, 200, 255, 256 + 75}) EXPECT_FALSE(model.status(code)) << code;
}

TEST_F(ModelTest, DefaultIdentityNamesItselfSimulatedOfTheNzFamily) {
  const Reply info = query(protocol::CMD_GET_SYSTEM_INFO);
  const std::string version(reinterpret_cast<const char*>(&info.bytes[9]));
  const std::string model26(reinterpret_cast<const char*>(&info.bytes[26]));
  EXPECT_THAT(version, HasSubstr("SIM"));
  EXPECT_THAT(model26, HasSubstr("SIM"));
  EXPECT_NE(model26.substr(0, 3), "NK-");
  EXPECT_NE(model26.substr(0, 2), "N-");
  EXPECT_EQ(info.bytes[25], 0) << "the release date must end before the model name";
}

TEST_F(ModelTest, WorkingTimeCountsPoweredSeconds) {
  ControllerState start;
  start.workSeconds = 100;
  nowMs = 7'000;  // the clock does not start at zero
  ControllerModel counter(start, [this] { return nowMs; });
  EXPECT_EQ(counter.workSeconds(), 100u);
  nowMs += 5'999;
  EXPECT_EQ(counter.workSeconds(), 105u) << "whole seconds only";
  EXPECT_EQ(did(sendText(counter, protocol::CMD_SET_WORK_TIME, "1000")), Did::Committed);
  EXPECT_EQ(counter.workSeconds(), 1000u);
  nowMs += 61'000;
  EXPECT_THAT(replyBytes(*counter.status(protocol::CMD_GET_WORK_TIME), 0, 4),
              ElementsAreArray(Bytes{0x25, 0x04, 0, 0}));
  EXPECT_EQ(counter.snapshot().workSeconds, 1061u);

  EXPECT_EQ(did(sendText(counter, protocol::CMD_SET_WORK_TIME, "4294967290")), Did::Committed);
  nowMs += 3'600'000;
  EXPECT_EQ(counter.workSeconds(), 4294967295u) << "the counter stops at its top";
}

}  // namespace
}  // namespace zor::controller
