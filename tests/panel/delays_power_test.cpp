// Delays, test power, shutter, aiming and version, pressed through the real
// panel: which field feeds which operation, what a press remembers (the
// aiming flag, the pulse), and where the outcome lands. What the packets are
// lives with the service layer's tests.
#include <gtest/gtest.h>

#include "platform/up_down.h"
#include "resources/resource.h"
#include "tests/panel/panel_test_util.h"

namespace zor::panel {

using namespace zor::resources::panel;
using namespace paneltest;

namespace {

const std::string kPulseRangeBox = "box " + kTitle + " The pulse value must be a whole number from 0 to 100.";

// ---- multipliers and jump delays ------------------------------------------------

TEST(DelaysPower, XMultiplierSendsItsTextThenTheCommand) {
  PanelHarness h;
  Start(h, kN);
  h.type(IDC_X_MULTIPLIER, "2");
  h.press(IDC_X_MULTIPLIER_SET);
  EXPECT_EQ(h.transcript, (Transcript{"send 42 32", "wait 100", "send 42 00", "wait 100", "send 51 00"}));
}

TEST(DelaysPower, YMultiplierSendsItsTextAsTyped) {
  PanelHarness h;
  Start(h, kN);
  h.type(IDC_Y_MULTIPLIER, " 0.75x");
  h.press(IDC_Y_MULTIPLIER_SET);
  EXPECT_EQ(h.transcript, Events({TextEvents(zor::protocol::CMD_SET_Y_MULTIPLIER, " 0.75x")}));
}

TEST(DelaysPower, HiddenRcJumpDelaySendsItsText) {
  PanelHarness h;
  Start(h, kN);
  EXPECT_FALSE(h.panel().GetDlgItem(IDC_RC_JD_SET)->isVisible());
  EXPECT_FALSE(h.panel().GetDlgItem(IDC_RC_JUMP_DELAY)->isVisible());
  h.panel().SetDlgItemText(IDC_RC_JUMP_DELAY, "15");
  h.invoke(IDC_RC_JD_SET);
  EXPECT_EQ(h.transcript, Events({TextEvents(zor::protocol::CMD_SET_RC_JUMP_DELAY, "15")}));
}

TEST(DelaysPower, JumpDelaySetDoesNothingAtAll) {
  for (bool connected : {true, false}) {
    PanelHarness h;
    if (connected)
      Start(h, kN);
    else
      StartUnconnected(h);
    h.type(IDC_JUMP_DELAY, "123");
    h.type(IDC_MOVE_X, "9");
    h.invoke(IDC_JUMP_DELAY_SET);
    EXPECT_EQ(h.transcript, Transcript{}) << connected;
    EXPECT_EQ(h.text(IDC_JUMP_DELAY), "123");
    EXPECT_EQ(h.text(IDC_MOVE_X), "9");
  }
}

// ---- single-packet buttons ----------------------------------------------------

struct PacketCase {
  const char* name;
  int button;
  std::string packet;
};

class SinglePackets : public ::testing::TestWithParam<PacketCase> {};

TEST_P(SinglePackets, SendTheirPacketEveryPress) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kN);
  h.press(c.button);
  h.press(c.button);
  EXPECT_EQ(h.transcript, (Transcript{c.packet, c.packet}));
}

INSTANTIATE_TEST_SUITE_P(DelaysPower, SinglePackets,
                         ::testing::Values(PacketCase{"TestPowerOff", IDC_TEST_POWER_OFF, "send 81 00"},
                                           PacketCase{"ShutterOpen", IDC_SHUTTER_OPEN, "send 87 00"},
                                           PacketCase{"ShutterClose", IDC_SHUTTER_CLOSE, "send 86 00"},
                                           PacketCase{"ShowVersion", IDC_SHOW_VERSION, "send F1 00"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- test power ON ---------------------------------------------------------------

struct PulseCase {
  const char* name;
  QString typed;
  Transcript expected;
};

class TestPowerOn : public ::testing::TestWithParam<PulseCase> {};

TEST_P(TestPowerOn, SendsTheNumberInThePulseFieldOrRefusesIt) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kN);
  h.type(IDC_PULSE, "20");
  h.press(IDC_TEST_POWER_ON);  // a good position the control would otherwise fall back on
  h.transcript.clear();
  h.type(IDC_PULSE, c.typed);
  h.press(IDC_TEST_POWER_ON);
  EXPECT_EQ(h.transcript, c.expected);
  EXPECT_EQ(h.text(IDC_PULSE), c.typed);
}

INSTANTIATE_TEST_SUITE_P(DelaysPower, TestPowerOn,
                         ::testing::Values(PulseCase{"Hundred", "100", Transcript{"send 91 64"}},
                                           PulseCase{"Zero", "0", Transcript{"send 91 00"}},
                                           PulseCase{"JustAbove", "101", Transcript{kPulseRangeBox}},
                                           PulseCase{"Negative", "-1", Transcript{kPulseRangeBox}},
                                           PulseCase{"Fraction", "5.5", Transcript{kPulseRangeBox}},
                                           PulseCase{"Letters", "abc", Transcript{kPulseRangeBox}},
                                           PulseCase{"Empty", "", Transcript{kPulseRangeBox}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DelaysPower, ABadPulseIsAWarning) {
  IconPanel p(kN);
  p.panel.SetDlgItemText(IDC_PULSE, "x");
  p.panel.runCommand(IDC_TEST_POWER_ON);
  ASSERT_EQ(p.prompter.boxes.size(), 1u);
  EXPECT_EQ(p.prompter.boxes[0].title, "ZORSystemMaintenance");
  EXPECT_EQ(p.prompter.boxes[0].icon, platform::Prompter::Icon::Warning);
  EXPECT_EQ(p.transcript, Transcript{});
}

TEST(DelaysPower, TestPowerUsesThePulseFieldNotTheHeldValue) {
  PanelHarness h;
  Start(h, kN);
  h.panel().m_nPulse = 77;
  h.type(IDC_PULSE, "12");
  h.press(IDC_TEST_POWER_ON);
  EXPECT_EQ(h.transcript, (Transcript{"send 91 0C"}));
}

TEST(DelaysPower, AfterARewriteOfTheBoundFieldsTestPowerSendsTheHeldPulse) {
  PanelHarness h;
  Start(h, kNK);
  h.type(IDC_PULSE, "40");
  h.link.setStatus(zor::protocol::CMD_GET_CURRENTS, std::vector<std::uint8_t>(8, 0));
  h.press(IDC_GET_CURRENTS);
  EXPECT_EQ(h.text(IDC_PULSE), "0");
  h.press(IDC_TEST_POWER_ON);
  EXPECT_EQ(h.transcript, (Transcript{"query 84/8 -> 0", "send 91 00"}));
}

// A Move takes the Pulse as typed when it is a whole number, silently, so a
// rewrite of the bound fields afterwards keeps it; anything else is left
// untaken and never stops the move.
TEST(DelaysPower, AMoveKeepsAWholePulseThroughTheNextRewrite) {
  struct Case {
    const char* pulse;
    const char* afterRewrite;
    const char* testPowerPacket;
  };
  for (const Case& c : {Case{"40", "40", "send 91 28"}, Case{"abc", "0", "send 91 00"}, Case{"", "0", "send 91 00"}}) {
    SCOPED_TRACE(c.pulse);
    PanelHarness h;
    Start(h, kNK);
    h.type(IDC_PULSE, c.pulse);
    h.type(IDC_MOVE_X, "1");
    h.type(IDC_MOVE_Y, "2");
    h.press(IDC_MOVE);
    h.link.setStatus(zor::protocol::CMD_GET_CURRENTS, std::vector<std::uint8_t>(8, 0));
    h.transcript.clear();
    h.press(IDC_GET_CURRENTS);
    EXPECT_EQ(h.text(IDC_PULSE), c.afterRewrite);
    h.press(IDC_TEST_POWER_ON);
    EXPECT_EQ(h.transcript, (Transcript{"query 84/8 -> 0", c.testPowerPacket}));
  }
}

TEST(DelaysPower, ArrowKeysStepThePulseWithinItsRange) {
  PanelHarness h;
  Start(h, kN);
  h.type(IDC_PULSE, "99");
  auto* pulse = h.panel().item<QLineEdit>(IDC_PULSE);
  QTest::keyClick(pulse, Qt::Key_Up);
  QTest::keyClick(pulse, Qt::Key_Up);
  EXPECT_EQ(h.text(IDC_PULSE), "100");
  h.press(IDC_TEST_POWER_ON);
  h.type(IDC_PULSE, "1");
  QTest::keyClick(pulse, Qt::Key_Down);
  QTest::keyClick(pulse, Qt::Key_Down);
  EXPECT_EQ(h.text(IDC_PULSE), "0");
  h.press(IDC_TEST_POWER_ON);
  EXPECT_EQ(h.transcript, (Transcript{"send 91 64", "send 91 00"}));
}

// ---- AIMING -----------------------------------------------------------------------

TEST(DelaysPower, AimingAlternatesStartingWithAdjustEnd) {
  PanelHarness h;
  Start(h, kN);
  std::vector<std::int32_t> flags;
  for (int i = 0; i < 4; ++i) {
    h.press(IDC_AIMING);
    flags.push_back(h.panel().m_bAiming);
  }
  EXPECT_EQ(h.transcript, (Transcript{"send 9A 00", "send 90 00", "send 9A 00", "send 90 00"}));
  EXPECT_EQ(flags, (std::vector<std::int32_t>{-1, 0, -1, 0}));  // all bits set, then clear
}

TEST(DelaysPower, AimingIsNotResetByAReconnection) {
  PanelHarness h;
  Start(h, kN);
  h.press(IDC_AIMING);
  h.press(IDC_GET_INFO);
  h.transcript.clear();
  h.press(IDC_AIMING);
  EXPECT_EQ(h.transcript, (Transcript{"send 90 00"}));
}

// A packet the device link did not take was not handed over: the user is
// told, the flag stays, and the next press looks for the system again first.
TEST(DelaysPower, AimingStaysWhenTheLibraryRefusesThePacket) {
  PanelHarness h;
  Start(h, kN);
  h.link.refusePacket(1);
  h.press(IDC_AIMING);
  EXPECT_EQ(h.panel().m_bAiming, 0);
  ASSERT_EQ(h.transcript.events().size(), 2u);
  EXPECT_EQ(h.transcript.events()[0], "send 9A 00 -> 2");
  EXPECT_NE(h.transcript.events()[1].find("did not accept the command"), std::string::npos);
  EXPECT_NE(h.transcript.events()[1].find("The aiming diode may still be on."), std::string::npos);
  h.transcript.clear();
  h.press(IDC_AIMING);
  EXPECT_EQ(h.transcript,
            (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", IdentityBox(kN), "send 9A 00"}));
  EXPECT_EQ(h.panel().m_bAiming, -1);
}

// No system reached means nothing was handed over: the next press sends what
// this one meant to.
TEST(DelaysPower, AimingStaysWhenNoSystemCouldBeReached) {
  PanelHarness h;
  StartUnconnected(h);
  h.invoke(IDC_AIMING);
  EXPECT_EQ(h.panel().m_bAiming, 0);
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(kN));
  h.link.setFindResults({1});
  h.press(IDC_GET_INFO);
  h.invoke(IDC_AIMING);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnectedBox, "find -> 0", "find -> 1", "query 142/38 -> 0", IdentityBox(kN),
                                      "send 9A 00"}));
  EXPECT_EQ(h.panel().m_bAiming, -1);
}

TEST(DelaysPower, AimingTogglesWhenTheConnectionIsMadeOnTheWay) {
  PanelHarness h;
  h.link.setFindResults({0, 1});
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(kN));
  h.start();
  h.invoke(IDC_AIMING);
  h.invoke(IDC_AIMING);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", IdentityBox(kN), "send 9A 00",
                                      "send 90 00"}));
}

}  // namespace

}  // namespace zor::panel
