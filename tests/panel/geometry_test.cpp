// The scan-field geometry group of the main panel, driven through its real
// widgets: which fields feed the reads, writes, test figures and the move to a
// point, and where their outcome lands. What the packets are lives with the
// service layer's tests.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/support/panel_harness.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zortest::PanelHarness;
using zortest::Transcript;

namespace {

const std::string kBox = zortest::PanelBox(u"");
const std::string kNotConnected = zortest::kNotConnectedPanelBox;
const std::string kMoveRange = kBox + "The Move To X and Y targets must be whole numbers from 0 to 255.";

// A connected NZ system: every geometry control is enabled.
void StartConnected(PanelHarness& h) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-100"));
  h.start();
}

std::vector<std::uint8_t> Floats(float x, float y) {
  std::vector<std::uint8_t> bytes;
  for (float f : {x, y}) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  return bytes;
}

// ---- reads ------------------------------------------------------------------

struct ReadCase {
  const char* name;
  std::optional<std::vector<std::uint8_t>> reply;  // none: the library leaves the block alone
  std::int32_t result;
  const char* x;
  const char* y;
};

void Reply(PanelHarness& h, int code, const ReadCase& c) {
  if (c.reply)
    h.link.setStatus(code, *c.reply, c.result);
  else
    h.link.setStatusUntouched(code, c.result);
}

TEST(GeometryRead, DistortionWritesUnsignedNumbersOrErrorInBoth) {
  const ReadCase cases[] = {
      {"little-endian halves", std::vector<std::uint8_t>{0x34, 0x12, 0x00, 0x80}, 0, "4660", "32768"},
      {"failure", std::nullopt, 1, "ERROR", "ERROR"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartConnected(h);
    Reply(h, zor::protocol::CMD_GET_XY_DISTORTION, c);
    h.type(IDC_DISTORTION_X, "old");
    h.type(IDC_MOVE_X, "17");  // typed, not taken: a distortion read leaves it alone
    h.press(IDC_DISTORTION_GET);
    EXPECT_EQ(h.transcript, (Transcript{"query 76/4 -> " + std::to_string(c.result)}));
    EXPECT_EQ(h.text(IDC_DISTORTION_X), c.x);
    EXPECT_EQ(h.text(IDC_DISTORTION_Y), c.y);
    EXPECT_EQ(h.text(IDC_MOVE_X), "17");
  }
}

TEST(GeometryRead, DistortionWithNoSystemLeavesTheFields) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  h.press(IDC_DISTORTION_GET);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnected, "find -> 0"}));
  EXPECT_EQ(h.text(IDC_DISTORTION_X), "");
}

TEST(GeometryRead, ScaleWritesFiveDecimalsOrTheSystemsTwoErrorTexts) {
  const ReadCase cases[] = {
      {"two numbers", Floats(1.002f, -0.5f), 0, "1.00200", "-0.50000"},
      {"failure", std::nullopt, 7, "ERRPR", "ERROR"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartConnected(h);
    Reply(h, zor::protocol::CMD_GET_XY_SCALE, c);
    h.press(IDC_SCALE_GET);
    EXPECT_EQ(h.transcript, (Transcript{"query 75/8 -> " + std::to_string(c.result)}));
    EXPECT_EQ(h.text(IDC_SCALE_X), c.x);
    EXPECT_EQ(h.text(IDC_SCALE_Y), c.y);
  }
}

TEST(GeometryRead, ScaleRewritesTheBoundFieldsFromTheLastTakenValues) {
  PanelHarness h;
  StartConnected(h);
  h.link.setStatus(zor::protocol::CMD_GET_XY_SCALE, Floats(1.0f, 1.0f));
  h.type(IDC_MOVE_X, "12");
  h.type(IDC_MOVE_Y, "34");
  h.press(IDC_MOVE);
  h.type(IDC_MOVE_X, "99");  // typed, never moved to
  h.type(IDC_PULSE, "5");
  h.type(IDC_WORKING, "1,00:00:00");
  h.press(IDC_SCALE_GET);
  EXPECT_EQ(h.text(IDC_MOVE_X), "12");
  EXPECT_EQ(h.text(IDC_MOVE_Y), "34");
  EXPECT_EQ(h.text(IDC_PULSE), "0");
  EXPECT_EQ(h.text(IDC_WORKING), "");
}

// ---- writes -----------------------------------------------------------------

struct WriteCase {
  const char* name;
  int button, xField, yField;
  const char* x;
  const char* y;
  Transcript expected;
};

TEST(GeometryWrite, SendsXTextPausesThenYText) {
  const WriteCase cases[] = {
      {"scale as typed, blanks and all",
       IDC_SCALE_SET,
       IDC_SCALE_X,
       IDC_SCALE_Y,
       " 1",
       "-2",
       {"send 42 20", "wait 100", "send 42 31", "wait 100", "send 42 00", "wait 100", "send 1A 00", "wait 100",
        "send 42 2D", "wait 100", "send 42 32", "wait 100", "send 42 00", "wait 100", "send 1B 00"}},
      {"distortion 12 and 3",
       IDC_DISTORTION_SET,
       IDC_DISTORTION_X,
       IDC_DISTORTION_Y,
       "12",
       "3",
       {"send 42 31", "wait 100", "send 42 32", "wait 100", "send 42 00", "wait 100", "send 4E 00", "wait 100",
        "send 42 33", "wait 100", "send 42 00", "wait 100", "send 4F 00"}},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartConnected(h);
    h.type(c.xField, QString::fromUtf8(c.x));
    h.type(c.yField, QString::fromUtf8(c.y));
    h.press(c.button);
    EXPECT_EQ(h.transcript, c.expected);
    EXPECT_EQ(h.text(c.xField), QString::fromUtf8(c.x));  // nothing is read back
  }
}

// ---- test figures -----------------------------------------------------------

TEST(GeometryMark, EachPressSendsItsOnePacket) {
  const struct {
    const char* name;
    std::vector<int> presses;
    Transcript expected;
  } cases[] = {
      {"original square", {IDC_MARK_ORIGINAL_SQUARE}, {"send 09 00"}},
      {"corrected square", {IDC_MARK_CORRECTED_SQUARE}, {"send 0A 00"}},
      {"max field", {IDC_MARK_MAX_FIELD}, {"send 40 00"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartConnected(h);
    for (int id : c.presses) h.press(id);
    EXPECT_EQ(h.transcript, c.expected);
  }
}

// ---- move -------------------------------------------------------------------

struct MoveCase {
  const char* name;
  const char* x;
  const char* y;
  const char* pulse;
  Transcript expected;
};

TEST(GeometryMove, SendsTargetsWithinOneByteAndRefusesEverythingElse) {
  const MoveCase cases[] = {
      {"X 5, Y 7", "5", "7", "0", {"send BE 05", "wait 200", "send BF 07", "wait 200"}},
      {"blanks around a number are accepted", " 12 ", "3", "0", {"send BE 0C", "wait 200", "send BF 03", "wait 200"}},
      // Within the field's range, beyond the move's: the service says why.
      {"X 300", "300", "5", "0", {kMoveRange}},
      // The field check has prompted already: no second message.
      {"X above the field's range", "70000", "5", "0", {kBox + "Please enter an integer between 0 and 65535."}},
      {"Y above the field's range", "5", "65536", "0", {kBox + "Please enter an integer between 0 and 65535."}},
      {"X not a number", "abc", "5", "0", {kBox + "Please enter a positive integer."}},
      {"X negative", "-1", "5", "0", {kBox + "Please enter a positive integer."}},
      {"Y empty", "5", "", "0", {kBox + "Please enter a positive integer."}},
      // Move takes only its own two fields.
      {"Pulse not a whole number", "5", "7", "1.5", {"send BE 05", "wait 200", "send BF 07", "wait 200"}},
      {"Pulse empty", "5", "7", "", {"send BE 05", "wait 200", "send BF 07", "wait 200"}},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartConnected(h);
    h.type(IDC_MOVE_X, c.x);
    h.type(IDC_MOVE_Y, c.y);
    h.type(IDC_PULSE, c.pulse);
    h.press(IDC_MOVE);
    EXPECT_EQ(h.transcript, c.expected);
  }
}

TEST(GeometryMove, ARejectedEntryNeverMovesToTheStaleTarget) {
  PanelHarness h;
  StartConnected(h);
  h.type(IDC_MOVE_X, "5");
  h.type(IDC_MOVE_Y, "7");
  h.press(IDC_MOVE);
  h.transcript.clear();
  h.type(IDC_MOVE_X, "x");
  h.press(IDC_MOVE);
  h.type(IDC_MOVE_X, "9");
  h.type(IDC_MOVE_Y, "300");
  h.press(IDC_MOVE);
  EXPECT_EQ(h.transcript, (Transcript{kBox + "Please enter a positive integer.", kMoveRange}));
  // The field that cannot travel is selected for retyping.
  EXPECT_EQ(h.panel().item<QLineEdit>(IDC_MOVE_Y)->selectedText(), "300");
}

// ---- the buttons that do nothing --------------------------------------------

TEST(GeometryIdle, AimingGetSetAndCenteringGetSetDoNothing) {
  PanelHarness h;
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NK-100"));  // centering enabled
  h.start();
  EXPECT_FALSE(h.enabled(IDC_AIM_GET));
  EXPECT_FALSE(h.enabled(IDC_AIM_SET));
  ASSERT_TRUE(h.enabled(IDC_CENTER_GET));
  ASSERT_TRUE(h.enabled(IDC_CENTER_SET));
  const int fields[] = {IDC_AIM_XA, IDC_AIM_YA, IDC_AIM_XB, IDC_AIM_YB, IDC_CENTER_X, IDC_CENTER_Y};
  for (int id : fields) h.panel().SetDlgItemText(id, QStringLiteral("v%1").arg(id));
  h.invoke(IDC_AIM_GET);
  h.invoke(IDC_AIM_SET);
  h.press(IDC_CENTER_GET);
  h.press(IDC_CENTER_SET);
  EXPECT_EQ(h.transcript, Transcript{});
  for (int id : fields) EXPECT_EQ(h.text(id), QStringLiteral("v%1").arg(id));
}

}  // namespace

}  // namespace zor::panel
