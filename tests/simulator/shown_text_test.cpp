// What zor-simulator's window shows of the core, as text: the packet
// monitor's cells, the sizes measured and the state at a glance.

#include "simulator/shown_text.h"

#include <gtest/gtest.h>

#include "protocol/zor_protocol.h"

namespace zor::simulator {
namespace {

using Column = MonitorColumn;

TEST(ShownText, MonitorCells) {
  const CallRecord text{.t = 12.3456,
                        .pid = 42,
                        .program = "zor\x1b[2Jctl\xc2\x9b",
                        .call = protocol::frames::Call::Send,
                        .code = protocol::CMD_TEXT_CHAR,
                        .name = "CMD_TEXT_CHAR",
                        .value = 0,
                        .text = std::string("a\x07\x9b\xe9"),
                        .pauseMs = 99.96,
                        .shortPause = true,
                        .pauseNeededMs = 100};
  const CallRecord status{.pid = 7,
                          .call = protocol::frames::Call::Status,
                          .code = 0x8E,
                          .name = "CMD_GET_SYSTEM_INFO",
                          .reply = {0xA1, 0x86, 0x01},
                          .result = protocol::kFaultInjected,
                          .note = "fault: no status",
                          .pauseMs = 300.0};
  const CallRecord move{
      .call = protocol::frames::Call::Send, .code = protocol::CMD_MOVE_TO_X, .name = "", .value = 200};
  const CallRecord find{.call = protocol::frames::Call::Find, .result = 0};
  const struct {
    const CallRecord& record;
    Column column;
    std::string shown;
  } cases[] = {
      {text, Column::Time, "12.346"},
      {text, Column::Client, "zor\\x1B[2Jctl\\u009B (pid 42)"},
      {text, Column::EntryPoint, "dwSendCommand"},
      {text, Column::Code, "CMD_TEXT_CHAR (0x42)"},
      {text, Column::Value, "0 (0x00)"},
      {text, Column::Text, "a\\x07\\u009B\xc3\xa9"},
      {text, Column::Pause, "100.0 ms SHORT (100 needed)"},
      {status, Column::Client, "pid 7"},
      {status, Column::Value, ""},
      {status, Column::Reply, "A1 86 01"},
      {status, Column::Result, "8 (fault injected): fault: no status"},
      {status, Column::Pause, "300.0 ms"},
      {move, Column::Code, "unknown (0xBE)"},
      {move, Column::Value, "200 (0xC8)"},
      {find, Column::Result, "0 (none found)"},
      {find, Column::Pause, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(monitorCell(c.record, c.column), c.shown) << monitorTitle(c.column) << " of " << c.shown;
  CallRecord typed = text;
  typed.value = 'A';
  EXPECT_EQ(monitorCell(typed, Column::Value), "0x41 'A'");
}

TEST(ShownText, SizesAndStateAtAGlance) {
  const simulator::Outline square{.points = {}, .width = 55.7927, .height = 54.1485, .nominal = 55.0125};
  EXPECT_EQ(measuredText(square), "55.79 \u00d7 54.15 mm, nominal 55.01 mm (+1.42 %, -1.57 %)");
  EXPECT_EQ(measuredText({.points = {}, .width = 55.0124, .height = 55.0126, .nominal = 55.0125}),
            "55.01 \u00d7 55.01 mm, nominal 55.01 mm (+0.00 %, +0.00 %)");
  EXPECT_EQ(workTimeText(90061), "1,01:01:01");
  EXPECT_EQ(adjustmentText({.mode = controller::Mode::AimBottomRight}), "aiming alignment, right bottom point");
  EXPECT_TRUE(faultTexts({}).empty());
  EXPECT_EQ(
      faultTexts({.refuseSends = 1, .noStatus = true, .noDiscovery = true, .delay = std::chrono::milliseconds(250)}),
      (std::vector<std::string>{"refusing the next 1 packet", "status queries unanswered", "no discovery",
                                "answering 250 ms late"}));
}

}  // namespace
}  // namespace zor::simulator
