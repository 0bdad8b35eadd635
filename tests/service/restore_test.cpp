// Comparing a snapshot with the controller and restoring it: what a restore
// sends and in which order, what its read-back tells the service log, and
// what it leaves alone.
#include "service/restore.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

#include "service/service_log.h"
#include "tests/support/service_test_util.h"
#include "tests/support/simulated_controller.h"
#include "tests/support/snapshot_files.h"

namespace zortest {
namespace {

namespace svc = zor::service;

// The lines the service log would get.
struct LogLines final : svc::OperationObserver {
  std::vector<QJsonObject> lines;
  void operationEnded(const svc::OperationRecord& record) override {
    const std::string line = svc::ServiceLogLine("zorctl", std::nullopt, record, QDateTime::currentDateTimeUtc());
    lines.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
  }
};

struct ReadBackCase {
  const char* name;
  std::function<void(RecordingLink&)> controller;  // what the controller does once the Set is to go out
  svc::RestoreResult result;
  const char* outcome;  // of the Set's line
  const char* message;  // a part of it; "" for none
  const char* restore;  // the outcome of the restore's own line
};

class RestoreReadBack : public ServiceOnLink, public ::testing::WithParamInterface<ReadBackCase> {};

// The controller reports a min current of 1.5; the snapshot holds 0.5.
TEST_P(RestoreReadBack, TheSetsLineSaysWhatItsReadBackShowed) {
  const ReadBackCase& c = GetParam();
  fake.setStatus(zor::protocol::CMD_GET_CURRENTS, {0, 0, 0xC0, 0x3F, 0, 0, 0xA0, 0x41});  // 1.5 and 20
  connect(Block());
  svc::Snapshot snapshot = svc::TakeSnapshot(service);
  for (svc::SettingField& f : snapshot.settings)
    if (f.key == "min_current") f.text = u"0.50000";
  LogLines log;
  service.setObserver(&log);
  struct Controller final : svc::RestoreProgress {
    RecordingLink& fake;
    const ReadBackCase& c;
    Controller(RecordingLink& f, const ReadBackCase& k) : fake(f), c(k) {}
    bool proceed(int, int, const std::string&) override {
      c.controller(fake);
      return true;
    }
  } progress{fake, c};
  svc::RestoreOptions options;
  options.source = "unit.json";

  const svc::RestoreReport report = svc::Restore(service, snapshot, options, &progress);
  ASSERT_EQ(report.settings[1].comparison.name, "min-current");
  EXPECT_EQ(report.settings[1].result, c.result);
  ASSERT_EQ(log.lines.size(), 2u);
  const QJsonObject& set = log.lines[0];
  EXPECT_EQ(set["operation"], "set min-current");
  EXPECT_EQ(set["value"], "0.50000");
  EXPECT_EQ(set["outcome"], c.outcome);
  EXPECT_TRUE(set["message"].toString().contains(c.message)) << set["message"].toString().toStdString();
  EXPECT_EQ(set.contains("message"), c.message[0] != '\0');
  EXPECT_EQ(log.lines[1]["operation"], "restore");
  EXPECT_EQ(log.lines[1]["outcome"], c.restore);
  EXPECT_EQ(service.observer(), &log) << "the log gets every later line again";
}

INSTANTIATE_TEST_SUITE_P(
    Restore, RestoreReadBack,
    ::testing::Values(ReadBackCase{"Kept",
                                   [](RecordingLink& f) {
                                     f.setStatus(zor::protocol::CMD_GET_CURRENTS, {0, 0, 0, 0x3F, 0, 0, 0xA0, 0x41});
                                   },
                                   svc::RestoreResult::Verified, "done", "", "done"},
                      ReadBackCase{"Dropped", [](RecordingLink&) {}, svc::RestoreResult::Differs, "differs",
                                   "the controller reads back 1.50000", "done"},
                      ReadBackCase{"Unreadable",
                                   [](RecordingLink& f) { f.setStatusUntouched(zor::protocol::CMD_GET_CURRENTS, 1); },
                                   svc::RestoreResult::Unreadable, "unreadable", "could not be read back", "done"},
                      ReadBackCase{"NotTaken", [](RecordingLink& f) { f.refusePacket(3); }, svc::RestoreResult::Failed,
                                   "not-accepted", "did not accept the command", "not-accepted"},
                      // Its commit (the 9th packet) taken, but not saved; it reads back as sent.
                      ReadBackCase{"TakenNotSaved",
                                   [](RecordingLink& f) {
                                     f.refusePacket(9, 5);
                                     f.setStatus(zor::protocol::CMD_GET_CURRENTS, {0, 0, 0, 0x3F, 0, 0, 0xA0, 0x41});
                                   },
                                   svc::RestoreResult::NotKept, "not-kept", "could not save it", "not-kept"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the summary ------------------------------------------------------------------------

struct SummaryCase {
  const char* name;
  std::vector<std::pair<const char*, svc::RestoreResult>> results;  // of the settings sent, in order
  svc::Status stopped;                                              // the restore's outcome
  const char16_t* summary;
};

class RestoreSummary : public ::testing::TestWithParam<SummaryCase> {};

// The file holds 7.20210 for each; what the controller reads back is 7.2.
TEST_P(RestoreSummary, FirstSaysWhatHappenedThenCounts) {
  const SummaryCase& c = GetParam();
  svc::RestoreReport report;
  report.outcome.status = c.stopped;
  for (const auto& [name, result] : c.results) {
    svc::SettingComparison compared{name, svc::SettingGroup::Calibration, u"7", u"7.20210", svc::RestorePlan::Send};
    report.settings.push_back(
        {compared, result, result == svc::RestoreResult::Unreadable ? std::nullopt : std::optional(u"7.2")});
  }
  EXPECT_EQ(Utf8(report.summary()), Utf8(c.summary));
}

using R = svc::RestoreResult;
INSTANTIATE_TEST_SUITE_P(
    Restore, RestoreSummary,
    ::testing::Values(
        SummaryCase{"AllVerified", {{"lens", R::Verified}}, svc::Status::Done, u"1 setting restored and verified."},
        SummaryCase{"DiffersThenStopped",
                    {{"lens", R::Differs}, {"min-current", R::Failed}, {"scale", R::NotSent}, {"ip", R::NotSent}},
                    svc::Status::NotAccepted,
                    u"lens: sent 7.20210, the controller reads 7.2; min-current: the marking system did not take it, "
                    u"so the restore stopped there; 2 settings not sent.\n"
                    u"1 setting sent but reading back otherwise; 1 not fully sent; 2 not sent, as they were."},
        SummaryCase{"NoSystemAnsweredAtTheFirst",
                    {{"lens", R::Failed}, {"ip", R::NotSent}},
                    svc::Status::NotConnected,
                    u"lens: no marking system answered, so the restore stopped there; 1 setting not sent.\n"
                    u"1 setting not fully sent; 1 not sent, as they were."},
        SummaryCase{"UnreadableAndTakenNotSaved",
                    {{"lens", R::Unreadable}, {"ip", R::NotKept}, {"gateway", R::Verified}},
                    svc::Status::Done,
                    u"lens: sent 7.20210, but it could not be read back; ip: taken, not saved.\n"
                    u"1 setting restored and verified; 1 taken, not saved; 1 sent but not readable afterwards."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- on the simulated controller ----------------------------------------------------------

class RestoreTest : public ServiceOnLink {
 protected:
  SimulatedController sim{fake};

  void SetUp() override { service.connect(); }

  // The packets and waits since the last call, without the reads.
  std::vector<std::string> sent() {
    std::vector<std::string> events;
    for (const auto& e : t.events())
      if (e.rfind("send", 0) == 0 || e.rfind("wait 100", 0) == 0) events.push_back(e);
    t.clear();
    return events;
  }
};

std::vector<std::string> TextPackets(const std::string& text, const char* code, bool lanPause = false) {
  std::vector<std::string> events;
  char hex[8];
  for (char c : text) {
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(c));
    events.push_back(std::string("send 42 ") + hex);
    events.push_back("wait 100");
  }
  events.insert(events.end(), {"send 42 00", "wait 100", std::string("send ") + code + " 00"});
  if (lanPause) events.push_back("wait 100");
  return events;
}

TEST_F(RestoreTest, SendsOnlyWhatDiffersCalibrationFirstAndReadsItBack) {
  const svc::Snapshot before = svc::TakeSnapshot(service);
  ASSERT_TRUE(service.setAddress(svc::AddressKind::Gateway, svc::Ipv4{10, 0, 0, 1}).ok());
  ASSERT_TRUE(service.setMinCurrent(u"7").ok());
  t.clear();
  const svc::RestoreReport report = svc::Restore(service, before, {}, nullptr);
  ASSERT_TRUE(report.outcome.ok());
  std::vector<std::string> expected = TextPackets("0.50000", "43");
  for (const auto& e : TextPackets("c0.a8.01.01", "C4", true)) expected.push_back(e);
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(report.sent(), 2);
  for (const auto& s : report.settings) {
    if (s.comparison.plan == svc::RestorePlan::Send) {
      EXPECT_EQ(s.result, svc::RestoreResult::Verified) << s.comparison.name;
    }
  }
  // Now nothing differs: nothing goes out.
  EXPECT_EQ(svc::Restore(service, before, {}, nullptr).sent(), 0);
  EXPECT_TRUE(sent().empty());
}

TEST_F(RestoreTest, IdentityValuesOnlyWhenAskedForAndBehindThePassword) {
  const svc::Snapshot before = svc::TakeSnapshot(service);
  ASSERT_TRUE(service.setModelName(u"KPLVoxen", u"NZ-OTHER").ok());
  t.clear();
  EXPECT_EQ(svc::Restore(service, before, {}, nullptr).sent(), 0);
  svc::RestoreOptions options;
  options.identity = true;
  options.password = u"wrong";
  EXPECT_EQ(svc::Restore(service, before, options, nullptr).outcome.status, svc::Status::Refused);
  EXPECT_TRUE(sent().empty());
  options.password = u"kplvoxen";
  EXPECT_EQ(svc::Restore(service, before, options, nullptr).sent(), 1);
  EXPECT_EQ(sent(), TextPackets("NZ-SIM", "4D"));
}

TEST_F(RestoreTest, AnotherSystemsSnapshotNeedsConfirmation) {
  svc::Snapshot other = svc::TakeSnapshot(service);
  other.identity->info.serial = 4711;
  ASSERT_TRUE(service.setMinCurrent(u"1").ok());
  t.clear();
  const auto refused = svc::Restore(service, other, {}, nullptr);
  EXPECT_EQ(refused.outcome.status, svc::Status::Refused);
  EXPECT_NE(refused.outcome.message.find(u"4711"), std::u16string::npos);
  EXPECT_TRUE(sent().empty());
  svc::RestoreOptions confirmed;
  confirmed.otherSystem = true;
  EXPECT_EQ(svc::Restore(service, other, confirmed, nullptr).sent(), 1);
}

// Cancel is looked at between settings only, so each is as it was or fully sent.
TEST_F(RestoreTest, CancelStopsBetweenSettings) {
  const svc::Snapshot before = svc::TakeSnapshot(service);
  ASSERT_TRUE(service.setMinCurrent(u"1").ok());
  ASSERT_TRUE(service.setScale(u"2", u"2").ok());
  t.clear();
  struct CancelSecond final : svc::RestoreProgress {
    bool proceed(int index, int, const std::string&) override { return index == 0; }
  } progress;
  const auto report = svc::Restore(service, before, {}, &progress);
  EXPECT_TRUE(report.cancelled);
  EXPECT_EQ(sent(), TextPackets("0.50000", "43"));
  EXPECT_EQ(report.summary(),
            u"1 setting restored and verified; 1 not sent, as they were. The restore was cancelled between settings.");
}

TEST_F(RestoreTest, WhatTheFamilyHasNoSetForIsNeverSentAndTheSummarySaysSo) {
  const svc::Snapshot before = svc::TakeSnapshot(service);
  ASSERT_TRUE(service.setMaxCurrent(u"7").ok());  // as the panel of another family would
  t.clear();
  const svc::RestoreReport report = svc::Restore(service, before, {}, nullptr);
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(report.settings[2].comparison.plan, svc::RestorePlan::NotOnFamily);
  EXPECT_EQ(report.summary(),
            u"Nothing needed restoring. 1 setting of the file was not sent: an NZ-series marking "
            u"system has no maximum current (Set Max).");
}

// A Set read back as a restore reads its settings back: the simulated
// controller keeps only what it takes, and the log's line says so.
TEST_F(RestoreTest, ASetIsHeldToWhatItsGetReadsBack) {
  LogLines log;
  service.setObserver(&log);
  const struct {
    const char* setting;
    std::vector<std::u16string> values;
    svc::RestoreResult result;
    const char16_t* after;
    const char* logged;
  } cases[] = {
      {"min-current", {u"0.25"}, svc::RestoreResult::Verified, u"0.25000", "done"},
      {"min-current", {u"abc"}, svc::RestoreResult::Differs, u"0.25000", "differs"},
      {"min-current", {u"-1"}, svc::RestoreResult::Differs, u"0.25000", "differs"},
      {"min-current", {u"0x10"}, svc::RestoreResult::Differs, u"0.25000", "differs"},
      {"min-current", {u" 3"}, svc::RestoreResult::Differs, u"0.25000", "differs"},
      {"min-current", {u"1000000"}, svc::RestoreResult::Differs, u"0.25000", "differs"},
      {"lens", {u"abc"}, svc::RestoreResult::Differs, u"163", "differs"},
      {"lens", {u"254"}, svc::RestoreResult::Verified, u"254", "done"},
      {"scale", {u"a", u"b"}, svc::RestoreResult::Differs, u"1.00000 1.00000", "differs"},
      {"distortion", {u"32770", u"32766"}, svc::RestoreResult::Verified, u"32770 32766", "done"},
      {"controller-model", {u"200031"}, svc::RestoreResult::Verified, u"10200031", "done"},
  };
  for (const auto& c : cases) {
    const svc::Setting& setting = *svc::FindWritable(c.setting);
    const std::string what = std::string(c.setting) + " " + svc::ToUtf8(c.values[0]);
    const svc::SetValues values{c.values, u"KPLVoxen"};
    const svc::ReadBack sent = svc::SendAndReadBack(service, setting, setting.write(values).value,
                                                    setting.readsBackAs(values), zor::link::Family::NZ);
    EXPECT_TRUE(sent.outcome.ok()) << what;
    EXPECT_EQ(sent.result, c.result) << what;
    EXPECT_EQ(sent.after, c.after) << what;
    ASSERT_EQ(log.lines.size(), 1u) << what;
    EXPECT_EQ(log.lines[0]["outcome"], c.logged) << what;
    if (c.result == svc::RestoreResult::Differs) {
      EXPECT_EQ(log.lines[0]["message"].toString().toStdU16String(),
                u"Sent, but the controller reads back " + std::u16string(c.after) + u".");
    }
    log.lines.clear();
  }
}

// What get controller-model prints, set again, goes out as the panel sent it:
// a code picked from each place in the list, and one typed by hand.
TEST_F(RestoreTest, TheControllerModelRoundTrips) {
  const svc::Setting& setting = *svc::FindWritable("controller-model");
  const struct {
    const char16_t* code;
    int listIndex;  // -1: typed by hand
  } picks[] = {{u"100021", 0}, {u"100022", 1}, {u"200031", 2}, {u"200041", 3}, {u"100022", -1}, {u"abcdef", -1}};
  for (const auto& pick : picks) {
    const std::string what = svc::ToUtf8(pick.code) + " at " + std::to_string(pick.listIndex);
    ASSERT_TRUE(service.setControllerModel(u"KPLVoxen", pick.code, pick.listIndex).ok()) << what;
    const std::vector<std::string> panel = sent();
    const svc::Reading<svc::SettingFields> got = svc::FindReadable("controller-model")->readFields(service);
    ASSERT_TRUE(got.ok()) << what;
    const svc::SetValues values{{got.value[0].text}, u"KPLVoxen"};
    const svc::ReadBack again = svc::SendAndReadBack(service, setting, setting.write(values).value,
                                                     setting.readsBackAs(values), zor::link::Family::NZ);
    EXPECT_EQ(sent(), panel) << what;
    EXPECT_EQ(again.result, svc::RestoreResult::Verified) << what;
    EXPECT_EQ(again.after, got.value[0].text) << what;
  }
}

// On a family that lacks them, the comparison neither reads nor sends them,
// and says why.
using Compare = ServiceOnLink;

TEST_F(Compare, OnAFamilyLeavesOutWhatItLacks) {
  fake.setStatus(zor::protocol::CMD_GET_XY_DISTORTION, {0, 0, 0, 0});
  fake.setStatus(zor::protocol::CMD_GET_XY_SCALE, {0, 0, 0, 0, 0, 0, 0, 0});
  connect(Block().model("N-20").serial(100001).lens(163));
  const svc::Comparison c = svc::Compare(service, svc::ParseSnapshot(SnapshotText(100001).toStdString()).value, true);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(c.family, zor::link::Family::N);
  const struct {
    const char* name;
    svc::RestorePlan plan;
    bool readOnFamily;
  } expected[] = {
      {"lens", svc::RestorePlan::Same, true},
      {"min-current", svc::RestorePlan::Send, false},  // its Set is there, its Get Curr is not
      {"max-current", svc::RestorePlan::Send, false},
      {"distortion", svc::RestorePlan::Same, true},
      {"scale", svc::RestorePlan::Same, true},
      {"serial", svc::RestorePlan::Same, true},
      {"model-name", svc::RestorePlan::Send, true},
      {"controller-model", svc::RestorePlan::NotOnFamily, false},
      {"mac", svc::RestorePlan::NotOnFamily, false},
      {"ip", svc::RestorePlan::NotOnFamily, false},
      {"subnet", svc::RestorePlan::NotOnFamily, false},
      {"gateway", svc::RestorePlan::NotOnFamily, false},
      {"ship-id", svc::RestorePlan::ShownOnly, false},
      {"work-time", svc::RestorePlan::ShownOnly, false},
  };
  ASSERT_EQ(c.rows.size(), std::size(expected));
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    EXPECT_EQ(c.rows[i].name, expected[i].name);
    EXPECT_EQ(c.rows[i].plan, expected[i].plan) << expected[i].name;
    EXPECT_EQ(c.rows[i].readOnFamily, expected[i].readOnFamily) << expected[i].name;
  }
  EXPECT_TRUE(c.unreadable().empty()) << "what the family lacks is not read, so not unreadable";
}

// Every read the family has and the controller did not answer; with the
// identity unreadable the family is not known, and only the controller model
// is left unread.
TEST_F(Compare, NamesTheValuesItCouldNotRead) {
  connect(Block().model("N-20").serial(100001).lens(163));
  const svc::Snapshot snapshot = svc::ParseSnapshot(SnapshotText(100001).toStdString()).value;
  EXPECT_EQ(svc::Compare(service, snapshot, false).unreadable(), (std::vector<std::string>{"distortion", "scale"}));
  fake.setStatusUntouched(zor::protocol::CMD_GET_SYSTEM_INFO, 1);
  EXPECT_EQ(svc::Compare(service, snapshot, false).unreadable(),
            (std::vector<std::string>{"lens", "min-current", "max-current", "distortion", "scale", "serial",
                                      "model-name", "mac", "ip", "subnet", "gateway", "ship-id", "work-time"}));
}

}  // namespace
}  // namespace zortest
