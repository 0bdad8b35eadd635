// "Get Work Time", "Init. Work Time" and "Mrkr Time" through the real panel,
// its password prompt and the working-time entry dialog.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/password_dialog.h"
#include "dialogs/working_time_dialog.h"
#include "duration/duration.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/panel/panel_test_util.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zortest::PanelHarness;
using zortest::ScriptedPrompter;
using zortest::Transcript;

namespace {

const std::string kBox = "box [Working Time] ";
const std::string kReadFailed = kBox + "The working time could not be read from the controller.";
const std::string kRefused = kBox + zortest::Utf8(duration::kWorkingTimeEntryRefusedMessage);
const std::string kNotConnected = zortest::kNotConnectedPanelBox;
const std::string kIdentity = paneltest::IdentityBox("NZ-100");
const std::vector<std::string> kReconnect = {kNotConnected, "find -> 1", "query 142/38 -> 0", kIdentity};

// An NZ system answers at start-up (or, with found = false, answers only later).
void Start(PanelHarness& h, bool found = true) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-100"));
  if (!found) h.link.setFindResults({0, 1});
  h.start();
}

// Types into the dialog's field and clicks one of its buttons.
ScriptedPrompter::Script TypeAndClick(int field, QString text, int button) {
  return [field, text, button](QDialog& d) {
    auto& dialog = static_cast<platform::Dialog&>(d);
    QTest::keyClicks(dialog.item<QLineEdit>(field), text);
    QTest::mouseClick(dialog.item<QPushButton>(button), Qt::LeftButton);
    return d.result();
  };
}

ScriptedPrompter::Script Password(QString text, int button = platform::IDOK) {
  return TypeAndClick(dialogs::password::IDC_PASSWORD, std::move(text), button);
}

ScriptedPrompter::Script Entry(QString text, int button = platform::IDOK) {
  return TypeAndClick(dialogs::working_time::IDC_WORKING_TIME, std::move(text), button);
}

// What SendText puts on the wire for a text of digits, then the commit.
std::vector<std::string> DigitsThenCommit(const std::string& digits) {
  static const char* kHex = "0123456789ABCDEF";
  std::vector<std::string> events;
  for (char c : digits) {
    const auto code = static_cast<unsigned char>(c);
    events.push_back(std::string("send 42 ") + kHex[code >> 4] + kHex[code & 15]);
    events.push_back("wait 100");
  }
  events.insert(events.end(), {"send 42 00", "wait 100", "send CE 00"});
  return events;
}

Transcript Join(std::initializer_list<std::vector<std::string>> parts) {
  Transcript t;
  for (const auto& part : parts)
    for (const auto& e : part) t.add(e);
  return t;
}

// ---- Get Work Time -----------------------------------------------------------

struct ReadCase {
  const char* name;
  std::optional<std::vector<std::uint8_t>> reply;  // none: the block is left alone
  std::int32_t result;
  std::string box;  // empty: the read-failed box
  QString field;    // the "Working :" field afterwards
};

class ReadWorkingTimeTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadWorkingTimeTest, ShowsTheCounterOrSaysTheReadFailed) {
  const ReadCase& c = GetParam();
  PanelHarness h;
  Start(h);
  // A good reading first, so a failed one can show it leaves the field alone.
  h.link.setStatus(zor::protocol::CMD_GET_WORK_TIME, {0x10, 0x0E, 0x00, 0x00});
  h.press(IDC_GET_WORK_TIME);
  ASSERT_EQ(h.text(IDC_WORKING), "0,01:00:00");
  h.transcript.clear();

  if (c.reply)
    h.link.setStatus(zor::protocol::CMD_GET_WORK_TIME, *c.reply, c.result);
  else
    h.link.setStatusUntouched(zor::protocol::CMD_GET_WORK_TIME, c.result);
  h.type(IDC_MOVE_X, "123");  // typed, not yet taken
  h.press(IDC_GET_WORK_TIME);

  const std::string query = "query 207/4 -> " + std::to_string(c.result);
  EXPECT_EQ(h.transcript, (Transcript{query, c.box.empty() ? kReadFailed : kBox + c.box}));
  EXPECT_EQ(h.text(IDC_WORKING), c.field);
  // A reading rewrites every bound field; a failed one touches none.
  EXPECT_EQ(h.text(IDC_MOVE_X), c.box.empty() ? "123" : "0");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReadWorkingTimeTest,
    testing::Values(
        ReadCase{"LeastSignificantByteFirst", std::vector<std::uint8_t>{0x58, 0x6E, 0x01, 0x00}, 0,
                 "Total working days: 1,02:03:04", "1,02:03:04"},
        ReadCase{"Largest", std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}, 0, "Total working days: 49710,06:28:15",
                 "49710,06:28:15"},
        ReadCase{"TopBitIsNotASign", std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x80}, 0,
                 "Total working days: 24855,03:14:08", "24855,03:14:08"},
        ReadCase{"LastSecondOfADay", std::vector<std::uint8_t>{0x7F, 0x51, 0x01, 0x00}, 0,
                 "Total working days: 0,23:59:59", "0,23:59:59"},
        ReadCase{"Zero", std::vector<std::uint8_t>{0, 0, 0, 0}, 0, "Total working days: 0,00:00:00", "0,00:00:00"},
        ReadCase{"FailedUntouched", std::nullopt, 1, "", "0,01:00:00"},
        ReadCase{"FailedEvenWithBytes", std::vector<std::uint8_t>{0x58, 0x6E, 0x01, 0x00}, 5, "", "0,01:00:00"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadWorkingTime, WithoutTheQueryEntryPointSaysTheReadFailed) {
  PanelHarness h;
  h.link.remove(zortest::RecordingLink::Entry::GetStatus);
  Start(h);
  h.press(IDC_GET_WORK_TIME);
  EXPECT_EQ(h.transcript, (Transcript{kReadFailed}));
  EXPECT_EQ(h.text(IDC_WORKING), "");
}

TEST(ReadWorkingTime, ConnectsFirstWhenNotConnected) {
  PanelHarness h;
  Start(h, false);
  h.link.setStatus(zor::protocol::CMD_GET_WORK_TIME, {0x58, 0x6E, 0x01, 0x00});
  h.press(IDC_GET_WORK_TIME);
  EXPECT_EQ(h.transcript, Join({kReconnect, {"query 207/4 -> 0", kBox + "Total working days: 1,02:03:04"}}));
  EXPECT_EQ(h.text(IDC_WORKING), "1,02:03:04");
}

TEST(ReadWorkingTime, NoSystemMeansNoQueryAndNoReading) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  h.press(IDC_GET_WORK_TIME);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnected, "find -> 0"}));
  EXPECT_EQ(h.text(IDC_WORKING), "");
}

// ---- Init. Work Time ---------------------------------------------------------

struct ResetCase {
  const char* name;
  const char* entry;
  std::string shown;   // empty: refused
  std::string digits;  // what is sent
};

class InitWorkingTimeTest : public testing::TestWithParam<ResetCase> {};

TEST_P(InitWorkingTimeTest, SendsTheTotalAsDigitsOrRefuses) {
  const ResetCase& c = GetParam();
  PanelHarness h;
  Start(h);
  h.prompter.queue(Password("KPLVoxen"));
  h.prompter.queue(Entry(QString::fromUtf8(c.entry)));
  h.press(IDC_INIT_WORK_TIME);
  const std::vector<std::string> dialogs = {"modal Password", "modal Working Time"};
  if (c.shown.empty())
    EXPECT_EQ(h.transcript, Join({dialogs, {kRefused}}));
  else
    EXPECT_EQ(h.transcript, Join({dialogs, {kBox + "Total working days: " + c.shown}, DigitsThenCommit(c.digits)}));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, InitWorkingTimeTest,
    testing::Values(ResetCase{"Example", "1,02:03:04", "1,02:03:04", "93784"},
                    ResetCase{"Zero", "0,0:0:0", "0,00:00:00", "0"},
                    ResetCase{"Carries", "0,25:61:61", "1,02:02:01", "93721"},
                    ResetCase{"AnySeparators", " 1 , 2 : 3 : 4 ", "1,02:03:04", "93784"},
                    ResetCase{"Largest", "49710,06:28:15", "49710,06:28:15", "4294967295"},
                    ResetCase{"LargestAsSeconds", "0,0:0:4294967295", "49710,06:28:15", "4294967295"},
                    ResetCase{"OneBeyondTheCounter", "49710,06:28:16", "", ""},
                    ResetCase{"FieldBeyond32Bits", "0,0:0:4294967296", "", ""},
                    ResetCase{"Negative", "-1,0:0:0", "", ""}, ResetCase{"Letters", "a,b:c:d", "", ""},
                    ResetCase{"TrailingLetter", "12h,0:0:0", "", ""}, ResetCase{"Sign", "+1,0:0:0", "", ""},
                    ResetCase{"ThreeNumbers", "1,2:3", "", ""}, ResetCase{"FiveNumbers", "1,2:3:4:5", "", ""},
                    ResetCase{"Empty", "", "", ""}, ResetCase{"SeparatorsOnly", ",,:", "", ""}),
    [](const testing::TestParamInfo<ResetCase>& info) { return std::string(info.param.name); });

TEST(InitWorkingTime, TheExampleTranscriptInFull) {
  PanelHarness h;
  Start(h);
  h.prompter.queue(Password("KPLVoxen"));
  h.prompter.queue(Entry("1,02:03:04"));
  h.press(IDC_INIT_WORK_TIME);
  EXPECT_EQ(h.transcript,
            (Transcript{"modal Password", "modal Working Time", kBox + "Total working days: 1,02:03:04", "send 42 39",
                        "wait 100", "send 42 33", "wait 100", "send 42 37", "wait 100", "send 42 38", "wait 100",
                        "send 42 34", "wait 100", "send 42 00", "wait 100", "send CE 00"}));
}

struct StopCase {
  const char* name;
  std::vector<ScriptedPrompter::Script> scripts;
  Transcript expected;
};

TEST(InitWorkingTime, StopsSilentlyOnRefusedPasswordOrCancelledEntry) {
  const auto escape = [](QDialog& d) {
    QTest::keyClicks(static_cast<platform::Dialog&>(d).item<QLineEdit>(dialogs::working_time::IDC_WORKING_TIME),
                     "1,02:03:04");
    QTest::keyClick(&d, Qt::Key_Escape);
    return d.result();
  };
  const StopCase cases[] = {
      {"wrong password", {Password("KPLVoxen ")}, {"modal Password"}},
      {"empty password", {Password("")}, {"modal Password"}},
      {"password cancelled", {Password("KPLVoxen", platform::IDCANCEL)}, {"modal Password"}},
      {"entry cancelled",
       {Password("kplvoxen"), Entry("1,02:03:04", platform::IDCANCEL)},
       {"modal Password", "modal Working Time"}},
      {"entry escaped", {Password("KPLVOXEN"), escape}, {"modal Password", "modal Working Time"}},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    Start(h);
    for (const auto& script : c.scripts) h.prompter.queue(script);
    h.press(IDC_INIT_WORK_TIME);
    EXPECT_EQ(h.transcript, c.expected);
  }
}

TEST(InitWorkingTime, EnterTakesTheEntryAndTheReadingStaysInTheField) {
  PanelHarness h;
  Start(h);
  h.link.setStatus(zor::protocol::CMD_GET_WORK_TIME, {0x58, 0x6E, 0x01, 0x00});
  h.press(IDC_GET_WORK_TIME);
  h.transcript.clear();

  h.prompter.queue(Password("KPLVoxen"));
  h.prompter.queue([](QDialog& d) {
    auto* edit = static_cast<platform::Dialog&>(d).item<QLineEdit>(dialogs::working_time::IDC_WORKING_TIME);
    EXPECT_EQ(d.focusWidget(), edit);  // the first field takes the typing
    QTest::keyClicks(edit, "0,0:0:0");
    QTest::keyClick(edit, Qt::Key_Return);
    return d.result();
  });
  h.press(IDC_INIT_WORK_TIME);
  EXPECT_EQ(h.transcript, Join({{"modal Password", "modal Working Time", kBox + "Total working days: 0,00:00:00"},
                                DigitsThenCommit("0")}));
  EXPECT_EQ(h.text(IDC_WORKING), "1,02:03:04");
}

TEST(InitWorkingTime, EveryResetAsksAgainWithAFreshEntry) {
  PanelHarness h;
  Start(h);
  for (int round = 0; round < 2; ++round) {
    h.prompter.queue(Password("KPLVoxen"));
    h.prompter.queue([&h](QDialog& d) {
      auto* edit = static_cast<platform::Dialog&>(d).item<QLineEdit>(dialogs::working_time::IDC_WORKING_TIME);
      EXPECT_EQ(edit->text(), "");
      EXPECT_EQ(d.parentWidget(), &h.panel());
      QTest::keyClicks(edit, "0,0:0:7");
      QTest::keyClick(edit, Qt::Key_Return);
      return d.result();
    });
    h.press(IDC_INIT_WORK_TIME);
  }
  EXPECT_EQ(h.transcript, Join({{"modal Password", "modal Working Time", kBox + "Total working days: 0,00:00:07"},
                                DigitsThenCommit("7"),
                                {"modal Password", "modal Working Time", kBox + "Total working days: 0,00:00:07"},
                                DigitsThenCommit("7")}));
}

TEST(InitWorkingTime, ConnectsBeforeTheFirstDigitWhenNotConnected) {
  PanelHarness h;
  Start(h, false);
  h.prompter.queue(Password("KPLVoxen"));
  h.prompter.queue(Entry("0,0:0:42"));
  h.press(IDC_INIT_WORK_TIME);
  EXPECT_EQ(h.transcript, Join({{"modal Password", "modal Working Time", kBox + "Total working days: 0,00:00:42"},
                                kReconnect,
                                DigitsThenCommit("42")}));
}

TEST(InitWorkingTime, NoSystemMeansNothingSent) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  h.prompter.queue(Password("KPLVoxen"));
  h.prompter.queue(Entry("0,0:0:42"));
  h.press(IDC_INIT_WORK_TIME);
  EXPECT_EQ(h.transcript, (Transcript{"modal Password", "modal Working Time", kBox + "Total working days: 0,00:00:42",
                                      kNotConnected, "find -> 0"}));
}

// ---- Mrkr Time ---------------------------------------------------------------

TEST(ShowMarkingTime, ShowsTheFixedTimeAndSendsNothingWithOrWithoutASystem) {
  for (const bool found : {true, false}) {
    SCOPED_TRACE(found ? "connected" : "not connected");
    PanelHarness h;
    if (!found) h.link.setFindResults({0});
    h.start();
    h.press(IDC_MARKER_TIME);
    EXPECT_EQ(h.transcript, (Transcript{kBox + "Marking Time: 1:44.320"}));
    EXPECT_EQ(h.panel().IsConnected(), found);
  }
}

}  // namespace

}  // namespace zor::panel
