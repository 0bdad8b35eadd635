// Settings snapshots: what a file must hold to be restored, how it is read,
// written and taken.
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

#include "service/text.h"
#include "tests/support/service_test_util.h"
#include "tests/support/snapshot_files.h"

namespace zortest {
namespace {

namespace svc = zor::service;

// A snapshot file as the tool writes one, to be spoilt one way at a time.
QJsonObject GoodFile() { return QJsonDocument::fromJson(SnapshotText(100001)).object(); }

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

// The good file with a list of settings replaced.
std::string Listing(const char* key, const QJsonValue& value) {
  QJsonObject file = GoodFile();
  file[key] = value;
  return Text(file);
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
                     f["version"] = svc::SnapshotVersion() + 1;
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
                   "also listed as missing"},
        SpoiltCase{"MissingNotAList", [] { return Listing("missing", "currents"); },
                   "missing is not a list of settings"},
        SpoiltCase{"MissingNoSetting", [] { return Listing("missing", QJsonArray{"colour"}); },
                   "missing names \"colour\", which is no setting"},
        SpoiltCase{"MissingANumber", [] { return Listing("missing", QJsonArray{5}); },
                   "missing names a number, which is no setting"},
        SpoiltCase{"MissingIdentityThatIsThere", [] { return Listing("missing", QJsonArray{"identity"}); },
                   "identity is there, but it is listed as missing"},
        SpoiltCase{"NotOnFamilyNotAList",
                   [] {
                     return Listing("not_on_family", QJsonObject{{"mac", true}});
                   },
                   "not_on_family is not a list of settings"},
        SpoiltCase{"NotOnFamilyAList", [] { return Listing("not_on_family", QJsonArray{QJsonArray{"mac"}}); },
                   "not_on_family names a list, which is no setting"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file that is not JSON is said in the words of JSON's parser, with the
// byte it stopped at.
TEST(Snapshot, WhatIsNotJsonIsSaidAsTheParserSaysIt) {
  for (const char* text : {"{\"format\": ", "[1, 2", "{\"a\" 1}", "{\"a\": \"\\u12\"}", "{\"a\": 1} x", "{\"a\": \"b",
                           "{\"a\": 1,}", "{\"a\": -}", "{\"a\": tru}", "{\"a\": \"\xff\"}"}) {
    QJsonParseError error{};
    QJsonDocument::fromJson(text, &error);
    ASSERT_NE(error.error, QJsonParseError::NoError) << text;
    const std::string said =
        "the file is not JSON (" + error.errorString().toStdString() + " at byte " + std::to_string(error.offset) + ")";
    EXPECT_EQ(Problem(svc::ParseSnapshot(text)), said);
  }
}

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

// ---- a setting added later -----------------------------------------------------------------

// The settings of the first snapshot version and one more, which came with version 2.
// Its Get gives the value alone: the row names it.
svc::Reading<svc::SettingFields> ReadFocus(svc::Maintenance&) { return svc::SettingFields{{{}, u"7", 7.0}}; }

std::vector<svc::Setting> TableWithFocus() {
  std::vector<svc::Setting> table;
  for (const svc::Setting& setting : svc::Settings())
    if (setting.since == 1) table.push_back(setting);
  table.push_back({.name = "focus",
                   .title = u"Focus",
                   .read = ReadFocus,
                   .keys = {{{"focus_mm", svc::KeyKind::Word}}},
                   .since = 2});
  return table;
}

// The good file as of a version, with its focus value and missing list.
std::string Versioned(int version, const QJsonValue& focus, const QJsonArray& missing = {}) {
  QJsonObject file = With("settings", "focus_mm", focus);
  file["version"] = version;
  file["missing"] = missing;
  return Text(file);
}

// Files taken before a setting was added keep loading; a file of its version
// holds it or lists it as missing, and one of an earlier version may not.
using SnapshotVersions = ServiceOnLink;

TEST_F(SnapshotVersions, AFileHoldsExactlyTheSettingsOfItsVersion) {
  const std::vector<svc::Setting> table = TableWithFocus();
  const struct {
    const char* name;
    std::string file;
    const char* problem;  // nullptr: it loads
  } cases[] = {
      {"an earlier file without it", Versioned(1, QJsonValue::Undefined), nullptr},
      {"a file of its version with it", Versioned(2, 7), nullptr},
      {"a file of its version, missing it", Versioned(2, QJsonValue::Undefined, {"focus"}), nullptr},
      {"a file of its version without it", Versioned(2, QJsonValue::Undefined),
       "settings.focus_mm is neither in the file nor listed as missing"},
      {"an earlier file with it", Versioned(1, 7),
       "settings.focus_mm is no setting of a version 1 snapshot (it came with version 2)"},
      {"an earlier file missing it", Versioned(1, QJsonValue::Undefined, {"focus"}),
       "missing names \"focus\", which is no setting of a version 1 snapshot"},
      {"a newer file", Versioned(3, 7), "newer version of the tool (snapshot version 3; this tool reads version 2)"},
  };
  for (const auto& c : cases) {
    const auto snapshot = svc::ParseSnapshot(c.file, table);
    if (c.problem == nullptr) {
      EXPECT_TRUE(snapshot.ok()) << c.name << ": " << Problem(snapshot);
    } else {
      EXPECT_NE(Problem(snapshot).find(c.problem), std::string::npos) << c.name << ": " << Problem(snapshot);
    }
  }
}

// A snapshot is of the highest version of its table's settings, and keeps
// the version of the file it was read from.
TEST_F(SnapshotVersions, AFileIsOfItsNewestSettingsVersion) {
  const std::vector<svc::Setting> table = TableWithFocus();
  connect(Block().model("NZ-1"));
  const std::string taken = svc::SnapshotJson(svc::TakeSnapshot(service, {}, table));
  const auto again = svc::ParseSnapshot(taken, table);
  ASSERT_TRUE(again.ok()) << Problem(again);
  EXPECT_EQ(again.value.version, 2);
  EXPECT_EQ(again.value.find("focus_mm")->text, u"7");
  EXPECT_EQ(svc::ParseSnapshot(taken).status, svc::Status::Refused) << "a tool without the setting";

  const auto older = svc::ParseSnapshot(Versioned(1, QJsonValue::Undefined), table);
  ASSERT_TRUE(older.ok()) << Problem(older);
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(svc::SnapshotJson(older.value)))["version"], 1);
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

using TakingASnapshot = ServiceOnLink;

TEST_F(TakingASnapshot, AFailedReadIsMissingNeverAValue) {
  fake.setStatus(zor::protocol::CMD_GET_CURRENTS, {0, 0, 0xC0, 0x3F, 0, 0, 0xA0, 0x41});  // 1.5 and 20
  connect(Block());
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
TEST_F(TakingASnapshot, ReadsOnlyWhatTheFamilyHas) {
  for (int code :
       {zor::protocol::CMD_GET_CURRENTS, zor::protocol::CMD_GET_XY_DISTORTION, zor::protocol::CMD_GET_XY_SCALE,
        zor::protocol::CMD_GET_WORK_TIME, zor::protocol::CMD_GET_CONTROLLER_MODEL})
    fake.setStatus(code, std::vector<std::uint8_t>(8, 0));
  connect(Block().model("N-20"));
  const svc::Snapshot snapshot = svc::TakeSnapshot(service);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(snapshot.notOnFamily, (std::vector<std::string>{"currents", "controller-model", "work-time", "mac", "ip",
                                                            "subnet", "gateway", "ship-id"}));
  EXPECT_TRUE(snapshot.missing.empty());
  const auto written = svc::ParseSnapshot(svc::SnapshotJson(snapshot));
  EXPECT_TRUE(written.ok()) << Problem(written);
}

}  // namespace
}  // namespace zortest
