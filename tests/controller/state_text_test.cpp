#include "controller/state_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/controller_test_util.h"

namespace zor::controller {
namespace {

using test::unusualState;
using ::testing::HasSubstr;

TEST(StateText, FormatAndParseRoundTrip) {
  for (const ControllerState& state : {ControllerState{}, unusualState()}) {
    auto parsed = parseState(formatState(state));
    ASSERT_TRUE(parsed) << parsed.why() << "\n" << formatState(state);
    EXPECT_EQ(*parsed, state);
  }
}

TEST(StateText, IsReadableKeyValueText) {
  const std::string text = formatState(unusualState());
  for (const char* line : {"serial = -2\n", "lens = 65535\n", "max_current = 1.5\n", "controller_model = 10abcdef\n",
                           "mac_address = 00:1a:2b:3c:4d:ff\n", "ip_address = 10.0.0.1\n", "ship_id = 0000000a\n",
                           "work_seconds = 4294967295\n", "distortion_offset = -3,4\n",
                           "work_counted = -9223372036854775808:-1 7000:9000 10000:9223372036854775807\n"})
    EXPECT_THAT(text, HasSubstr(line));
}

TEST(StateText, CommentsBlanksAndUnknownKeysAreSkippedMissingKeysDefault) {
  auto parsed = parseState("# note\n\n  lens = 254  \r\nfuture_key = whatever\n");
  ASSERT_TRUE(parsed);
  ControllerState expected;
  expected.lens = 254;
  EXPECT_EQ(*parsed, expected);
}

// A file is taken for ours only by our heading or one of our keys: another
// program's file named by mistake fails, and so is moved aside, never written over.
TEST(StateText, OnlyATextOfOursIsReadAsAState) {
  const struct {
    std::string text;
    bool ours;
  } cases[] = {
      {"", true},
      {"\n  \n", true},
      {formatState(ControllerState{}), true},
      {"# ZOR simulated marking controller: kept state. key = value\nlater_key = 1\n", true},
      {"lens = 254\nlater_key_2 = x\n", true},
      {"PATH=/usr/bin\nHOME=/root\n", false},
      {"# settings\nLANG = C\n", false},
      {"# just a note\n", false},
      {"\x8f\x11!?%=\x7f\xe2garbage without a newline", false},
      {"lens = 254\nbad-key = 1\n", false},
      {"lens = 254\n = 1\n", false},
      {"\x01\x02 = 3\nlens = 254\n", false},
  };
  for (const auto& c : cases) {
    const auto parsed = parseState(c.text);
    EXPECT_EQ(parsed.ok(), c.ours) << c.text << "\n" << parsed.why();
  }
}

TEST(StateText, CountedSpansAreReadAsTheOneSetTheyMake) {
  auto parsed = parseState("work_counted = 20:30  0:10 10:15\nwork_counted_boot = \"b\"\n");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->workCounted, (CountedTime{"b", {{0, 15}, {20, 30}}}));
}

}  // namespace
}  // namespace zor::controller
