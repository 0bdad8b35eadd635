// Settings snapshots: what a file must hold to be restored, how it is read
// and written, and what a restore sends.
#include "service/snapshot.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cfloat>
#include <filesystem>
#include <fstream>
#include <functional>

#include "service/restore.h"
#include "service/service_log.h"
#include "tests/support/fake_link.h"
#include "tests/support/link_test_util.h"
#include "tests/support/sim_backed_link.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

namespace svc = zor::service;

class QuietHost final : public svc::Host {
  void notConnected() override {}
  void identified(const svc::Identity&) override {}
};

// A snapshot file as the tool writes one, to be spoilt one way at a time.
QJsonObject GoodFile() {
  return QJsonDocument::fromJson(R"({
    "format": "zor-maintenance-settings", "version": 1, "time": "2026-12-09T10:00:00Z", "tool_version": "1.0.0",
    "identity": {"serial_number": 100001, "system_name": "NZ-SIM", "version": "SIM-1.00", "release_date": "6/3/24",
                 "lens_mm": 163, "family": "NZ"},
    "settings": {"min_current": 0.5, "max_current": 20, "distortion_x": 32768, "distortion_y": 32768,
                 "scale_x": 1, "scale_y": 1, "controller_model": "100a0001", "work_time": "0,00:00:10",
                 "work_seconds": 10, "mac_address": "02:00:5A:4F:52:01", "ip_address": "192.168.1.10",
                 "subnet_mask": "255.255.255.0", "gateway": "192.168.1.1", "ship_id": "5a4f5201"},
    "missing": []})")
      .object();
}

std::string Text(const QJsonObject& o) { return QJsonDocument(o).toJson().toStdString(); }

std::string Problem(const svc::Outcome& outcome) { return svc::ToUtf8(outcome.message); }

// The same file, as an NK-series system wrote it before families were told
// apart: every setting is there.
QJsonObject NkFile() {
  QJsonObject file = GoodFile();
  QJsonObject identity = file["identity"].toObject();
  identity["system_name"] = "NK-1";
  identity["family"] = "NK";
  file["identity"] = identity;
  return file;
}

struct SpoiltCase {
  const char* name;
  std::function<std::string()> file;
  const char* problem;  // a part of the message
};

QJsonObject With(const char* part, const char* key, const QJsonValue& value) {
  QJsonObject file = GoodFile();
  QJsonObject inner = file[part].toObject();
  if (value.isUndefined())
    inner.remove(key);
  else
    inner[key] = value;
  file[part] = inner;
  return file;
}

// The good file with a member put in at the start of an object.
std::string Twice(const std::string& object, const std::string& member) {
  std::string text = Text(GoodFile());
  const std::size_t at = text.find(object);
  return at == std::string::npos ? text : text.insert(at + object.size(), member);
}

class SpoiltSnapshot : public ::testing::TestWithParam<SpoiltCase> {};

TEST_P(SpoiltSnapshot, IsRefusedAsAWholeWithTheProblemNamed) {
  const svc::Reading<svc::Snapshot> read = svc::ParseSnapshot(GetParam().file());
  EXPECT_EQ(read.status, svc::Status::Refused);
  EXPECT_NE(Problem(read).find(GetParam().problem), std::string::npos) << Problem(read);
}

INSTANTIATE_TEST_SUITE_P(
    Snapshot, SpoiltSnapshot,
    ::testing::Values(
        SpoiltCase{"NotJson", [] { return std::string("{\"format\": "); }, "not JSON"},
        SpoiltCase{"NotAnObject", [] { return std::string("[1, 2]"); }, "no JSON object"},
        SpoiltCase{"OtherFormat",
                   [] {
                     auto f = GoodFile();
                     f["format"] = "photos";
                     return Text(f);
                   },
                   "format \"photos\""},
        SpoiltCase{"NewerVersion",
                   [] {
                     auto f = GoodFile();
                     f["version"] = 2;
                     return Text(f);
                   },
                   "newer version"},
        SpoiltCase{"NoSettings",
                   [] {
                     auto f = GoodFile();
                     f.remove("settings");
                     return Text(f);
                   },
                   "no settings"},
        SpoiltCase{"NoIdentity",
                   [] {
                     auto f = GoodFile();
                     f.remove("identity");
                     return Text(f);
                   },
                   "no identity"},
        SpoiltCase{"CurrentAsText", [] { return Text(With("settings", "max_current", "20")); }, "settings.max_current"},
        SpoiltCase{"CurrentBeyondAFloat", [] { return Text(With("settings", "min_current", 1e300)); },
                   "settings.min_current"},
        SpoiltCase{"DistortionAboveAWord", [] { return Text(With("settings", "distortion_x", 65536)); },
                   "distortion_x"},
        SpoiltCase{"DistortionNotWhole", [] { return Text(With("settings", "distortion_y", 1.5)); }, "distortion_y"},
        SpoiltCase{"ScaleAsText", [] { return Text(With("settings", "scale_x", "ERRPR")); }, "scale_x"},
        SpoiltCase{"MacNotOne", [] { return Text(With("settings", "mac_address", "02:00:5A:4F:52")); }, "mac_address"},
        SpoiltCase{"AddressNotOne", [] { return Text(With("settings", "gateway", "192.168.1.256")); }, "gateway"},
        SpoiltCase{"ControllerModelShort", [] { return Text(With("settings", "controller_model", "0a0001")); },
                   "controller_model"},
        SpoiltCase{"HalfASetting", [] { return Text(With("settings", "scale_y", QJsonValue::Undefined)); }, "scale_y"},
        SpoiltCase{"UnknownKey", [] { return Text(With("settings", "laser_colour", "green")); }, "laser_colour"},
        SpoiltCase{"WorkTimeDisagrees", [] { return Text(With("settings", "work_time", "0,00:00:11")); }, "work_time"},
        SpoiltCase{"ModelBeyondLatin1",
                   [] { return Text(With("identity", "system_name", QString::fromUtf8("NZ-\u20AC"))); }, "system_name"},
        SpoiltCase{"ModelTooLong", [] { return Text(With("identity", "system_name", "NZ-12345678")); }, "system_name"},
        SpoiltCase{"SerialBeyond32Bits", [] { return Text(With("identity", "serial_number", 4294967296.0)); },
                   "serial_number"},
        SpoiltCase{"FamilyDisagrees", [] { return Text(With("identity", "family", "NK")); }, "family"},
        SpoiltCase{"KeyTwiceAtTheTop", [] { return "{\"version\": 1, " + Text(GoodFile()).substr(1); },
                   "the key \"version\" is given twice at the top level"},
        SpoiltCase{"KeyTwiceInSettings", [] { return Twice("\"settings\": {", "\"max_current\": 5, "); },
                   "the key \"max_current\" is given twice in settings"},
        SpoiltCase{"KeyTwiceInIdentity", [] { return Twice("\"identity\": {", "\"lens_mm\": 160, "); },
                   "the key \"lens_mm\" is given twice in identity"},
        SpoiltCase{"KeyTwiceOnceEscaped", [] { return Twice("\"settings\": {", "\"max\\u005fcurrent\": 20, "); },
                   "the key \"max_current\" is given twice in settings"},
        SpoiltCase{"MissingButThere",
                   [] {
                     auto f = GoodFile();
                     f["missing"] = QJsonArray{"currents"};
                     return Text(f);
                   },
                   "listed as missing"},
        SpoiltCase{"NotOnFamilyButThere",
                   [] {
                     auto f = NkFile();
                     f["not_on_family"] = QJsonArray{"mac"};
                     return Text(f);
                   },
                   "settings.mac_address is there, but its setting is listed as not on the family"},
        SpoiltCase{"NotOnAFamilyThatHasIt",
                   [] {
                     auto f = GoodFile();
                     QJsonObject settings = f["settings"].toObject();
                     settings.remove("min_current");
                     settings.remove("max_current");
                     f["settings"] = settings;
                     f["not_on_family"] = QJsonArray{"currents"};
                     return Text(f);
                   },
                   "not_on_family names \"currents\", which an NZ-series marking system has"},
        SpoiltCase{"NotOnFamilyNoSetting",
                   [] {
                     auto f = GoodFile();
                     f["not_on_family"] = QJsonArray{"colour"};
                     return Text(f);
                   },
                   "not_on_family names \"colour\", which is no setting"},
        SpoiltCase{"NotOnFamilyAndMissing",
                   [] {
                     auto f = NkFile();
                     f["missing"] = QJsonArray{"mac"};
                     f["not_on_family"] = QJsonArray{"mac"};
                     return Text(f);
                   },
                   "also listed as missing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Snapshot, AFileOfAFamilyNamesWhatItLeftOut) {
  const auto older = svc::ParseSnapshot(Text(NkFile()));
  ASSERT_TRUE(older.ok()) << Problem(older);  // an older file: all there
  QJsonObject file = NkFile();
  QJsonObject settings = file["settings"].toObject();
  for (const char* key : {"controller_model", "mac_address", "ip_address", "subnet_mask", "gateway", "ship_id"})
    settings.remove(key);
  file["settings"] = settings;
  file["not_on_family"] = QJsonArray{"controller-model", "mac", "ip", "subnet", "gateway", "ship-id"};
  const auto snapshot = svc::ParseSnapshot(Text(file));
  ASSERT_TRUE(snapshot.ok()) << Problem(snapshot);
  EXPECT_EQ(snapshot.value.notOnFamily.size(), 6u);
  EXPECT_TRUE(snapshot.value.missing.empty());
  const auto again = svc::ParseSnapshot(svc::SnapshotJson(snapshot.value));
  ASSERT_TRUE(again.ok()) << Problem(again);
  EXPECT_EQ(again.value.notOnFamily, snapshot.value.notOnFamily);
}

TEST(Snapshot, AGoodFileReadsBackAsWritten) {
  const auto snapshot = svc::ParseSnapshot(Text(GoodFile()));
  ASSERT_TRUE(snapshot.ok()) << Problem(snapshot);
  EXPECT_EQ(snapshot.value.find("max_current")->text, u"20.00000");
  EXPECT_EQ(snapshot.value.identity->info.serial, 100001);
  const auto again = svc::ParseSnapshot(svc::SnapshotJson(snapshot.value));
  ASSERT_TRUE(again.ok()) << Problem(again);
  EXPECT_EQ(svc::SnapshotJson(again.value), svc::SnapshotJson(snapshot.value));
}

// A key is given twice only within one object; keys in texts are no keys.
TEST(Snapshot, KeysRepeatedInOtherObjectsOrInsideTextsAreNoDuplicates) {
  std::string text = Text(GoodFile());
  text.insert(1, R"("notes": {"format": [{"a": 1}, {"a": 2}], "b": "\"format\": {,} \\", "c": "\u00e9"},)");
  const auto snapshot = svc::ParseSnapshot(text);
  EXPECT_TRUE(snapshot.ok()) << Problem(snapshot);
}

// The largest values a controller can report load, and each goes out as one
// text the controller takes whole.
TEST(Snapshot, EveryReportableValueLoadsAndFitsOneText) {
  QJsonObject file = GoodFile();
  QJsonObject settings = file["settings"].toObject();
  settings["min_current"] = -static_cast<double>(FLT_MAX);
  settings["max_current"] = static_cast<double>(FLT_MAX);
  settings["scale_x"] = 0;
  settings["scale_y"] = static_cast<double>(FLT_TRUE_MIN);
  file["settings"] = settings;
  const auto snapshot = svc::ParseSnapshot(Text(file));
  ASSERT_TRUE(snapshot.ok()) << Problem(snapshot);
  EXPECT_EQ(snapshot.value.find("min_current")->text.size(), 46u);
  EXPECT_EQ(snapshot.value.find("scale_x")->text, u"0.00000");
  EXPECT_EQ(snapshot.value.find("scale_y")->text, u"0.00000");
  for (const svc::SettingField& field : snapshot.value.settings)
    EXPECT_TRUE(svc::CheckOneByteText(svc::Input::None, field.text).ok()) << field.key;
}

// ---- the file itself -------------------------------------------------------------------

class SnapshotFile : public ::testing::Test {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("zor-snapshot-" + std::to_string(getpid()));
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(SnapshotFile, WhatIsNoSnapshotFileIsRefusedWithoutBlocking) {
  std::ofstream(dir / "huge") << std::string(svc::kMaxSnapshotBytes + 1, ' ');
  const auto huge = svc::LoadSnapshot(dir / "huge");
  EXPECT_EQ(huge.status, svc::Status::Refused);
  EXPECT_NE(Problem(huge).find("larger than 1 MB"), std::string::npos) << Problem(huge);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(svc::LoadSnapshot(dir / "fifo").ok());  // would hang if it waited for a writer
  EXPECT_FALSE(svc::LoadSnapshot(dir).ok());
  EXPECT_FALSE(svc::LoadSnapshot(dir / "absent").ok());
}

TEST_F(SnapshotFile, AFailedSaveLeavesTheOldFileAndNoTemporary) {
  svc::Snapshot snapshot = svc::ParseSnapshot(Text(GoodFile())).value;
  const auto file = dir / "settings.json";
  ASSERT_TRUE(svc::SaveSnapshot(snapshot, file).ok());
  // A link where the file should be is left alone.
  std::filesystem::create_symlink(file, dir / "link.json");
  const svc::Outcome onLink = svc::SaveSnapshot(snapshot, dir / "link.json");
  EXPECT_EQ(onLink.status, svc::Status::FileFailed);
  EXPECT_NE(Problem(onLink).find("not a regular file"), std::string::npos);
  // A folder that does not exist.
  EXPECT_EQ(svc::SaveSnapshot(snapshot, dir / "absent" / "settings.json").status, svc::Status::FileFailed);
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    entries += entry.path().filename().string()[0] == '.';
  EXPECT_EQ(entries, 0) << "no temporary left behind";
  EXPECT_TRUE(svc::LoadSnapshot(file).ok());
}

// ---- taking one ---------------------------------------------------------------------------

TEST(Snapshot, AFailedReadIsMissingNeverAValue) {
  Transcript t;
  FakeLink fake{t};
  VirtualPacer pacer{t};
  QuietHost host;
  const zor::DeviceLink link = fake.link();
  svc::Maintenance service(link, pacer, host);
  fake.setStatus(zor::CMD_GET_SYSTEM_INFO, std::vector<std::uint8_t>(38, 0));
  fake.setStatus(zor::CMD_GET_CURRENTS, {0, 0, 0xC0, 0x3F, 0, 0, 0xA0, 0x41});  // 1.5 and 20
  service.connect();
  const svc::Snapshot snapshot = svc::TakeSnapshot(service);
  EXPECT_EQ(snapshot.find("min_current")->text, u"1.50000");
  EXPECT_EQ(snapshot.find("scale_x"), nullptr);
  EXPECT_EQ(snapshot.missing, (std::vector<std::string>{"distortion", "scale", "controller-model", "work-time", "mac",
                                                        "ip", "subnet", "gateway", "ship-id"}));
  const auto written = svc::ParseSnapshot(svc::SnapshotJson(snapshot));
  EXPECT_TRUE(written.ok()) << Problem(written);
}

// A setting the family lacks is neither read nor missing, whatever the
// controller would answer.
TEST(Snapshot, ReadsOnlyWhatTheFamilyHas) {
  Transcript t;
  FakeLink fake{t};
  VirtualPacer pacer{t};
  QuietHost host;
  const zor::DeviceLink link = fake.link();
  svc::Maintenance service(link, pacer, host);
  fake.setStatus(zor::CMD_GET_SYSTEM_INFO, Block().model("N-20").reply());
  for (int code : {zor::CMD_GET_CURRENTS, zor::CMD_GET_XY_DISTORTION, zor::CMD_GET_XY_SCALE, zor::CMD_GET_WORK_TIME,
                   zor::CMD_GET_CONTROLLER_MODEL})
    fake.setStatus(code, std::vector<std::uint8_t>(8, 0));
  service.connect();
  t.clear();
  const svc::Snapshot snapshot = svc::TakeSnapshot(service);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(snapshot.notOnFamily, (std::vector<std::string>{"currents", "controller-model", "work-time", "mac", "ip",
                                                            "subnet", "gateway", "ship-id"}));
  EXPECT_TRUE(snapshot.missing.empty());
  const auto written = svc::ParseSnapshot(svc::SnapshotJson(snapshot));
  EXPECT_TRUE(written.ok()) << Problem(written);
}

// ---- what a restore's read-back tells the service log --------------------------------------

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
  std::function<void(FakeLink&)> controller;  // what the controller does once the Set is to go out
  svc::RestoreResult result;
  const char* outcome;  // of the Set's line
  const char* message;  // a part of it; "" for none
  const char* restore;  // the outcome of the restore's own line
};

class RestoreReadBack : public ::testing::TestWithParam<ReadBackCase> {};

// The controller reports a min current of 1.5; the snapshot holds 0.5.
TEST_P(RestoreReadBack, TheSetsLineSaysWhatItsReadBackShowed) {
  const ReadBackCase& c = GetParam();
  Transcript t;
  FakeLink fake{t};
  VirtualPacer pacer{t};
  QuietHost host;
  const zor::DeviceLink link = fake.link();
  svc::Maintenance service(link, pacer, host);
  fake.setStatus(zor::CMD_GET_SYSTEM_INFO, std::vector<std::uint8_t>(38, 0));
  fake.setStatus(zor::CMD_GET_CURRENTS, {0, 0, 0xC0, 0x3F, 0, 0, 0xA0, 0x41});  // 1.5 and 20
  service.connect();
  svc::Snapshot snapshot = svc::TakeSnapshot(service);
  for (svc::SettingField& f : snapshot.settings)
    if (f.key == "min_current") f.text = u"0.50000";
  LogLines log;
  service.setObserver(&log);
  struct Controller final : svc::RestoreProgress {
    FakeLink& fake;
    const ReadBackCase& c;
    Controller(FakeLink& f, const ReadBackCase& k) : fake(f), c(k) {}
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
                                   [](FakeLink& f) {
                                     f.setStatus(zor::CMD_GET_CURRENTS, {0, 0, 0, 0x3F, 0, 0, 0xA0, 0x41});
                                   },
                                   svc::RestoreResult::Verified, "done", "", "done"},
                      ReadBackCase{"Dropped", [](FakeLink&) {}, svc::RestoreResult::Differs, "differs",
                                   "the controller reads back 1.50000", "done"},
                      ReadBackCase{"Unreadable", [](FakeLink& f) { f.setStatusUntouched(zor::CMD_GET_CURRENTS, 1); },
                                   svc::RestoreResult::Unreadable, "unreadable", "could not be read back", "done"},
                      ReadBackCase{"NotTaken", [](FakeLink& f) { f.refusePacket(3); }, svc::RestoreResult::Failed,
                                   "not-accepted", "did not accept the command", "not-accepted"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- restoring one, on the simulated controller ------------------------------------------------

class RestoreTest : public ::testing::Test {
 protected:
  Transcript t;
  SimBackedLink sim{t};
  VirtualPacer pacer{t};
  QuietHost host;
  zor::DeviceLink link = sim.link();
  svc::Maintenance service{link, pacer, host};

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

// On a family that lacks them, the comparison neither reads nor sends them,
// and says why.
TEST(Compare, OnAFamilyLeavesOutWhatItLacks) {
  Transcript t;
  FakeLink fake{t};
  VirtualPacer pacer{t};
  QuietHost host;
  const zor::DeviceLink link = fake.link();
  svc::Maintenance service(link, pacer, host);
  fake.setStatus(zor::CMD_GET_SYSTEM_INFO, Block().model("N-20").serial(100001).lens(163).reply());
  fake.setStatus(zor::CMD_GET_XY_DISTORTION, {0, 0x80, 0, 0x80});
  fake.setStatus(zor::CMD_GET_XY_SCALE, {0, 0, 0x80, 0x3F, 0, 0, 0x80, 0x3F});
  service.connect();
  t.clear();
  const svc::Comparison c = svc::Compare(service, svc::ParseSnapshot(Text(GoodFile())).value, true);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(c.family, zor::Family::N);
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
}

}  // namespace
}  // namespace zortest
