// Currents, lens, identity and controller model, pressed through the real panel:
// which field feeds which operation and where its outcome lands. What the
// packets are lives with the service layer's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "platform/combo_box.h"
#include "resources/resource.h"
#include "tests/panel/panel_test_util.h"

namespace zor::panel {

using namespace zor::resources::panel;
using namespace paneltest;

namespace {

std::vector<std::uint8_t> Floats(float a, float b) {
  std::vector<std::uint8_t> bytes;
  for (float f : {a, b}) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  return bytes;
}

platform::ComboBox* Combo(PanelHarness& h, int id) { return h.panel().item<platform::ComboBox>(id); }

// ---- text Sets ----------------------------------------------------------------

struct TextSetCase {
  const char* name;
  const char* model;
  int field;
  int button;
  QString typed;
  int code;
  std::string bytes;  // what the controller receives
};

class TextSets : public ::testing::TestWithParam<TextSetCase> {};

TEST_P(TextSets, SendTheFieldExactlyAsTyped) {
  const TextSetCase& c = GetParam();
  PanelHarness h;
  Start(h, c.model);
  // Keys can only be simulated for Latin-1 text; a wider character arrives as pasted.
  if (std::all_of(c.typed.begin(), c.typed.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
    h.type(c.field, c.typed);
  else
    h.panel().SetDlgItemText(c.field, c.typed);
  h.press(c.button);
  EXPECT_EQ(h.transcript, Events({TextEvents(c.code, c.bytes)}));
  EXPECT_EQ(h.text(c.field), c.typed);  // a Set leaves its field alone
}

INSTANTIATE_TEST_SUITE_P(
    LaserSettings, TextSets,
    ::testing::Values(TextSetCase{"MinBlanksKept", kNK, IDC_MIN_CURRENT, IDC_SET_MIN, " 3 ",
                                  zor::protocol::CMD_SET_MIN_CURRENT, " 3 "},
                      TextSetCase{"TwentyPercent", kN, IDC_20_CURRENT, IDC_SET_20, "12.25",
                                  zor::protocol::CMD_SET_20_PERCENT_CURRENT, "12.25"},
                      // Pasted Latin-1 reaches the controller byte for byte.
                      TextSetCase{"MaxLatin1", kNK, IDC_MAX_CURRENT, IDC_SET_MAX, QString(QChar(0x00B5)),
                                  zor::protocol::CMD_SET_MAX_CURRENT, "\xB5"},
                      TextSetCase{"LensTyped", kNZ, IDC_LENS, IDC_LENS_SET, "210", zor::protocol::CMD_SET_LENS, "210"}),
    [](const auto& info) { return std::string(info.param.name); });

// A character the one-byte text cannot carry would arrive as another one, or
// (low byte 0) end the text early: the Set is refused before anything goes out.
TEST(LaserSettings, ACharacterBeyondLatin1IsRefusedWithNothingSent) {
  PanelHarness h;
  Start(h, kNK);
  h.panel().SetDlgItemText(IDC_MAX_CURRENT, QStringLiteral("1\u01005"));
  h.press(IDC_SET_MAX);
  EXPECT_EQ(h.transcript, (Transcript{"box " + kTitle +
                                      " The Max Current holds the character \u201C\u0100\u201D (U+0100), "
                                      "which the controller cannot take: it takes Latin-1 characters only. "
                                      "Nothing was sent."}));
}

// The controller took the lens but could not save it: one warning, and the
// panel stays connected, so the next press goes straight out.
TEST(LaserSettings, ALensTakenButNotSavedWarnsOnceAndStaysConnected) {
  PanelHarness h;
  Start(h, kNZ);
  h.type(IDC_LENS, "7");
  h.link.refusePacket(3, 5);
  h.press(IDC_LENS_SET);
  h.press(IDC_SHOW_VERSION);
  EXPECT_EQ(h.transcript, (Transcript{"send 42 37", "wait 100", "send 42 00", "wait 100", "send 45 00 -> 5",
                                      zortest::PanelBox(zor::service::kNotKeptMessage), "send F1 00"}));
}

TEST(LaserSettings, LensChosenFromTheListSendsItsText) {
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_LENS, 4);
  h.press(IDC_LENS_SET);
  EXPECT_EQ(h.transcript, (Transcript{"send 42 33", "wait 100", "send 42 30", "wait 100", "send 42 30", "wait 100",
                                      "send 42 00", "wait 100", "send 45 00"}));
}

TEST(LaserSettings, LensTypedOverAChosenEntrySendsTheTypedText) {
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_LENS, 1);
  h.type(IDC_LENS, "70");
  h.press(IDC_LENS_SET);
  EXPECT_EQ(h.transcript, Events({TextEvents(zor::protocol::CMD_SET_LENS, "70")}));
}

// ---- connection check ----------------------------------------------------------

TEST(LaserSettings, AConnectionMadeByTheFirstPacketShowsTheIdentityAndTheTextGoesOn) {
  PanelHarness h;
  h.link.setFindResults({0, 1});
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(kNK));
  h.start();
  h.type(IDC_MAX_CURRENT, "1.5");
  h.press(IDC_SET_MAX);
  EXPECT_EQ(h.transcript, Events({{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", IdentityBox(kNK)},
                                  TextEvents(zor::protocol::CMD_SET_MAX_CURRENT, "1.5")}));
}

struct SinglePacketCase {
  const char* name;
  int button;
  bool hidden;
  Transcript connected;
};

class LaserSinglePackets : public ::testing::TestWithParam<SinglePacketCase> {};

TEST_P(LaserSinglePackets, SendTheirPacket) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNK);
  if (c.hidden) {
    EXPECT_FALSE(h.panel().GetDlgItem(c.button)->isVisible());
    h.invoke(c.button);
  } else {
    h.press(c.button);
  }
  EXPECT_EQ(h.transcript, c.connected);
}

INSTANTIATE_TEST_SUITE_P(
    LaserSettings, LaserSinglePackets,
    ::testing::Values(SinglePacketCase{"InitPowerBoard", IDC_INIT_POWER_BOARD, false, Transcript{"send F3 00"}},
                      // The value byte is 0xFF, and a pause follows.
                      SinglePacketCase{"ResetSerial", IDC_RESET_SERIAL, true, Transcript{"send 31 FF", "wait 100"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- password-guarded identity Sets -------------------------------------------------

struct GuardedTextCase {
  const char* name;
  int field;
  int button;
  int code;
};

class GuardedTextSets : public ::testing::TestWithParam<GuardedTextCase> {};

TEST_P(GuardedTextSets, ReadTheFieldOnlyAfterThePasswordMatched) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  h.type(c.field, "A-77");
  h.prompter.queue(EnterPassword(kPassword, Leave::OkButton, [&] { h.type(c.field, "B-88"); }));
  h.press(c.button);
  EXPECT_EQ(h.transcript, Events({{"modal Password"}, TextEvents(c.code, "B-88")}));
}

TEST_P(GuardedTextSets, AWrongPasswordSendsNothingAndKeepsTheField) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  h.type(c.field, "A-77");
  h.prompter.queue(EnterPassword("KPLVoxe"));
  h.press(c.button);
  EXPECT_EQ(h.transcript, (Transcript{"modal Password"}));
  EXPECT_EQ(h.text(c.field), "A-77");
}

INSTANTIATE_TEST_SUITE_P(LaserSettings, GuardedTextSets,
                         ::testing::Values(GuardedTextCase{"SerialNumber", IDC_SERIAL_NUMBER, IDC_SERIAL_SET,
                                                           zor::protocol::CMD_SET_SERIAL_NUMBER},
                                           GuardedTextCase{"ModelName", IDC_MODEL_NAME, IDC_MODEL_SET,
                                                           zor::protocol::CMD_SET_MODEL_NAME}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- controller model Set ------------------------------------------------------

struct ControllerModelCase {
  const char* name;
  int chosen;         // list entry picked first, or -1
  const char* typed;  // then typed over it, or nullptr
  std::string sent;
};

class ControllerModelSet : public ::testing::TestWithParam<ControllerModelCase> {};

TEST_P(ControllerModelSet, PrefixesBySelectionAndEndsWithOneBlank) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  if (c.chosen >= 0) h.choose(IDC_CTRLR_MODEL, c.chosen);
  if (c.typed) h.type(IDC_CTRLR_MODEL, c.typed);
  h.prompter.queue(EnterPassword(kPassword));
  h.press(IDC_CTRLR_MODEL_SET);
  EXPECT_EQ(h.transcript, Events({{"modal Password"}, TextEvents(zor::protocol::CMD_SET_CONTROLLER_MODEL, c.sent)}));
}

INSTANTIATE_TEST_SUITE_P(LaserSettings, ControllerModelSet,
                         ::testing::Values(ControllerModelCase{"SecondEntry", 1, nullptr, "10100022 "},
                                           ControllerModelCase{"TypedNoSelection", -1, "123456", "00123456 "},
                                           ControllerModelCase{"TypedOverASelection", 3, "654321", "00654321 "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LaserSettings, ControllerModelTextIsTakenBeforeThePromptAndItsPrefixAfter) {
  PanelHarness h;
  Start(h, kNZ);
  h.type(IDC_CTRLR_MODEL, "111111");
  h.prompter.queue(EnterPassword(kPassword, Leave::OkButton, [&] { h.choose(IDC_CTRLR_MODEL, 1); }));
  h.press(IDC_CTRLR_MODEL_SET);
  EXPECT_EQ(h.transcript,
            Events({{"modal Password"}, TextEvents(zor::protocol::CMD_SET_CONTROLLER_MODEL, "10111111 ")}));
}

TEST(LaserSettings, ControllerModelWrongPasswordSendsNothingAndKeepsTheCombo) {
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_CTRLR_MODEL, 2);
  h.prompter.queue(EnterPassword("wrong"));
  h.press(IDC_CTRLR_MODEL_SET);
  EXPECT_EQ(h.transcript, (Transcript{"modal Password"}));
  EXPECT_EQ(h.text(IDC_CTRLR_MODEL), "200031");
  EXPECT_EQ(Combo(h, IDC_CTRLR_MODEL)->curSel(), 2);
}

// ---- controller model Get ------------------------------------------------------

struct ControllerModelReadCase {
  const char* name;
  std::vector<std::uint8_t> reply;
  std::string box;
  QString combo;
};

class ControllerModelGet : public ::testing::TestWithParam<ControllerModelReadCase> {};

TEST_P(ControllerModelGet, ShowsAllEightDigitsThenPutsTheLowSixInTheCombo) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_CTRLR_MODEL, 2);
  h.link.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, c.reply);
  h.press(IDC_CTRLR_MODEL_GET);
  EXPECT_EQ(h.transcript, (Transcript{"query 166/4 -> 0", "box " + kTitle + " " + c.box}));
  EXPECT_EQ(h.text(IDC_CTRLR_MODEL), c.combo);
  EXPECT_EQ(Combo(h, IDC_CTRLR_MODEL)->curSel(), 2);  // only the text changes
}

INSTANTIATE_TEST_SUITE_P(LaserSettings, ControllerModelGet,
                         ::testing::Values(ControllerModelReadCase{
                             "Flagged", {0xEF, 0xCD, 0xAB, 0x10}, "10abcdef", "abcdef"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LaserSettings, ControllerModelGetWritesTheComboOnlyAfterTheBox) {
  IconPanel p(kNZ);
  p.panel.SetDlgItemText(IDC_CTRLR_MODEL, "999999");
  p.link.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, {0x21, 0x00, 0x10, 0x00});
  QString comboWhileShown;
  p.prompter.whileShown = [&] { comboWhileShown = p.panel.GetDlgItemText(IDC_CTRLR_MODEL); };
  p.panel.runCommand(IDC_CTRLR_MODEL_GET);
  ASSERT_EQ(p.prompter.boxes.size(), 1u);
  EXPECT_EQ(p.prompter.boxes[0].text, "00100021");
  EXPECT_EQ(comboWhileShown, "999999");
  EXPECT_EQ(p.panel.GetDlgItemText(IDC_CTRLR_MODEL), "100021");
}

TEST(LaserSettings, ControllerModelGetThatFailsSaysSoAndLeavesTheCombo) {
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_CTRLR_MODEL, 1);
  h.link.setStatusUntouched(zor::protocol::CMD_GET_CONTROLLER_MODEL, 1);
  h.press(IDC_CTRLR_MODEL_GET);
  EXPECT_EQ(h.transcript,
            (Transcript{"query 166/4 -> 1", "box " + kTitle + " The controller model could not be read."}));
  EXPECT_EQ(h.text(IDC_CTRLR_MODEL), "100022");
  EXPECT_EQ(Combo(h, IDC_CTRLR_MODEL)->curSel(), 1);
}

TEST(LaserSettings, ControllerModelBoxHasNoIconAndItsFailureAWarning) {
  IconPanel p(kNZ);
  p.link.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, {0xEF, 0xCD, 0xAB, 0x10});
  p.panel.runCommand(IDC_CTRLR_MODEL_GET);
  p.link.setStatusUntouched(zor::protocol::CMD_GET_CONTROLLER_MODEL, 1);
  p.panel.runCommand(IDC_CTRLR_MODEL_GET);
  ASSERT_EQ(p.prompter.boxes.size(), 2u);
  EXPECT_EQ(p.prompter.boxes[0].title, "ZORSystemMaintenance");
  EXPECT_EQ(p.prompter.boxes[0].icon, platform::Prompter::Icon::None);
  EXPECT_EQ(p.prompter.boxes[1].title, "ZORSystemMaintenance");
  EXPECT_EQ(p.prompter.boxes[1].icon, platform::Prompter::Icon::Warning);
}

TEST(LaserSettings, ControllerModelSetAfterGetKeepsThePrefixOfTheEarlierChoice) {
  PanelHarness h;
  Start(h, kNZ);
  h.choose(IDC_CTRLR_MODEL, 2);
  h.link.setStatus(zor::protocol::CMD_GET_CONTROLLER_MODEL, {0xEF, 0xCD, 0xAB, 0x10});
  h.press(IDC_CTRLR_MODEL_GET);
  h.transcript.clear();
  h.prompter.queue(EnterPassword(kPassword));
  h.press(IDC_CTRLR_MODEL_SET);
  EXPECT_EQ(h.transcript,
            Events({{"modal Password"}, TextEvents(zor::protocol::CMD_SET_CONTROLLER_MODEL, "10abcdef ")}));
}

// ---- currents Get ---------------------------------------------------------------

struct CurrentsCase {
  const char* name;
  std::vector<std::uint8_t> reply;
  std::int32_t result;
  QString min;
  QString max;
};

class CurrentsGet : public ::testing::TestWithParam<CurrentsCase> {};

TEST_P(CurrentsGet, WritesBothCurrentsAndLeavesTheTwentyPercentField) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNK);
  h.type(IDC_MIN_CURRENT, "x");
  h.type(IDC_20_CURRENT, "7");
  h.type(IDC_MAX_CURRENT, "y");
  h.link.setStatus(zor::protocol::CMD_GET_CURRENTS, c.reply, c.result);
  h.press(IDC_GET_CURRENTS);
  EXPECT_EQ(h.transcript, (Transcript{"query 84/8 -> " + std::to_string(c.result)}));
  EXPECT_EQ(h.text(IDC_MIN_CURRENT), c.min);
  EXPECT_EQ(h.text(IDC_MAX_CURRENT), c.max);
  EXPECT_EQ(h.text(IDC_20_CURRENT), "7");
}

INSTANTIATE_TEST_SUITE_P(LaserSettings, CurrentsGet,
                         ::testing::Values(CurrentsCase{"Plain", Floats(1.5f, 20.0f), 0, "1.50000", "20.00000"},
                                           // A failed read is not passed off as 0 A.
                                           CurrentsCase{"Failed", Floats(1.5f, 20.0f), 1, "ERROR", "ERROR"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Both reads put the held values back into the bound fields, discarding
// what was typed there and not yet taken, whether the read worked or not.
struct RewriteCase {
  const char* name;
  int button;
  int status;
  std::int32_t result;
};

class ReadsRewriteBoundFields : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(ReadsRewriteBoundFields, ReplacingUntakenTyping) {
  const auto& c = GetParam();
  PanelHarness h;
  Start(h, kNZ);
  h.panel().m_nMoveY = 321;
  h.type(IDC_MOVE_X, "55");
  h.type(IDC_PULSE, "40");
  h.type(IDC_WORKING, "1,00:00:00");
  h.link.setStatus(c.status, std::vector<std::uint8_t>(8, 0), c.result);
  h.invoke(c.button);
  EXPECT_EQ(h.text(IDC_MOVE_X), "0");
  EXPECT_EQ(h.text(IDC_MOVE_Y), "321");
  EXPECT_EQ(h.text(IDC_PULSE), "0");
  EXPECT_EQ(h.text(IDC_WORKING), "");
}

INSTANTIATE_TEST_SUITE_P(
    LaserSettings, ReadsRewriteBoundFields,
    ::testing::Values(RewriteCase{"Currents", IDC_GET_CURRENTS, zor::protocol::CMD_GET_CURRENTS, 0},
                      RewriteCase{"CurrentsFailed", IDC_GET_CURRENTS, zor::protocol::CMD_GET_CURRENTS, 1},
                      RewriteCase{"ControllerModel", IDC_CTRLR_MODEL_GET, zor::protocol::CMD_GET_CONTROLLER_MODEL, 0},
                      RewriteCase{"ControllerModelFailed", IDC_CTRLR_MODEL_GET, zor::protocol::CMD_GET_CONTROLLER_MODEL,
                                  1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace zor::panel
