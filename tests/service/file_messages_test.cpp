// The service layer's messages about files, snapshots and the service log
// with a translation installed: the person reads them in the user's
// language, the record keeps the English of a program without one, and the
// paths, keys and numbers in them stay as they are.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "service/files.h"
#include "service/service_log.h"
#include "service/snapshot.h"
#include "tests/support/installed_translations.h"
#include "tests/support/service_test_util.h"
#include "tests/support/snapshot_files.h"

namespace zortest {
namespace {

namespace fs = std::filesystem;
namespace svc = zor::service;

// A snapshot file as the tool writes one, with one member changed.
std::string Spoilt(const char* key, const QJsonValue& value) {
  QJsonObject file = QJsonDocument::fromJson(SnapshotText(100001)).object();
  file[key] = value;
  return QJsonDocument(file).toJson().toStdString();
}

std::string WithSetting(const char* key, const QJsonValue& value) {
  QJsonObject settings = QJsonDocument::fromJson(SnapshotText(100001)).object()["settings"].toObject();
  settings[key] = value;
  return Spoilt("settings", settings);
}

// What the service log told its reporter of a line it could not write.
svc::Outcome LogProblem(svc::Maintenance& service, const fs::path& at) {
  std::optional<svc::Outcome> told;
  svc::ServiceLog log("zorctl", service, at, [&](const svc::Outcome& problem) { told = problem; });
  log.operationEnded({.operation = u"shutter open", .value = u"", .outcome = svc::Outcome::done()});
  return told.value_or(svc::Outcome::done());
}

struct FileCase {
  const char* name;
  std::function<void(const fs::path& folder)> make;  // once, before the runs
  std::function<svc::Outcome(const fs::path& folder, svc::Maintenance& service)> run;
  const char16_t* value;  // in the message in every language
};

class FileMessages : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-7")); }
  QTemporaryDir dir;
  fs::path folder = fs::path(dir.path().toStdString());
};

TEST_F(FileMessages, ThePersonReadsTheLanguageTheRecordTheEnglish) {
  const auto parse = [](std::string file) {
    return [file](const fs::path&, svc::Maintenance&) { return svc::Outcome(svc::ParseSnapshot(file)); };
  };
  const auto load = [](const char* name) {
    return [name](const fs::path& f, svc::Maintenance&) { return svc::Outcome(svc::LoadSnapshot(f / name)); };
  };
  const auto save = [](fs::path name) {
    return [name](const fs::path& f, svc::Maintenance&) { return svc::SaveSnapshot(svc::Snapshot{}, f / name); };
  };
  const auto write = [](const char* file) { return [file](const fs::path& f) { std::ofstream(f / file) << "x"; }; };
  const auto nothing = [](const fs::path&) {};
  const FileCase cases[] = {
      {"not JSON", nothing, parse("{\"format\": "), u"11"},
      {"another format", nothing, parse(Spoilt("format", "photos")), u"photos"},
      {"a key twice", nothing, parse("{\"version\": 1, " + Spoilt("version", 1).substr(1)), u"version"},
      {"not a word", nothing, parse(WithSetting("distortion_x", 65536)), u"65535"},
      {"a number in a list", nothing, parse(Spoilt("missing", QJsonArray{5})), u"missing"},
      {"a family that has it", nothing, parse(Spoilt("not_on_family", QJsonArray{"currents"})), u"currents"},
      {"too large",
       [](const fs::path& f) { std::ofstream(f / "huge.json") << std::string(svc::kMaxSnapshotBytes + 1, ' '); },
       load("huge.json"), u"1 MB"},
      {"no file to load", nothing, load("absent.json"), u"absent.json"},
      {"a file that fails its checks", [](const fs::path& f) { std::ofstream(f / "bad.json") << "[1]"; },
       load("bad.json"), u"bad.json"},
      {"a link to save onto", [](const fs::path& f) { fs::create_directory_symlink(f, f / "link.json"); },
       save("link.json"), u"link.json"},
      {"no folder to save in", nothing, save(fs::path("absent") / "s.json"), u"absent"},
      {"a temporary's name", nothing, save(".s.json.tmp-123456"), u".s.json.tmp-123456"},
      {"a log that is a link",
       [](const fs::path& f) {
         std::ofstream(f / "target") << "";
         fs::create_symlink(f / "target", f / "service-log.jsonl");
       },
       [](const fs::path& f, svc::Maintenance&) { return svc::Outcome(svc::ReadServiceLog(f / "service-log.jsonl")); },
       u"service-log.jsonl"},
      {"a log with no place", nothing,
       [](const fs::path&, svc::Maintenance&) { return svc::Outcome(svc::ReadServiceLog("service-log.jsonl")); },
       u"XDG_STATE_HOME"},
      {"a log locked by another program", write("locked.jsonl"),
       [](const fs::path& f, svc::Maintenance&) {
         const int other = ::open((f / "locked.jsonl").c_str(), O_RDONLY | O_CLOEXEC);
         ::flock(other, LOCK_EX);
         const svc::Outcome read = svc::ReadServiceLog(f / "locked.jsonl", std::nullopt, svc::kServiceLogReadLimit,
                                                       std::chrono::milliseconds(0));
         ::close(other);
         return read;
       },
       u"locked.jsonl"},
      {"a log's folder that is a file", write("state"),
       [](const fs::path& f, svc::Maintenance& m) { return LogProblem(m, f / "state" / "service-log.jsonl"); },
       u"state"},
      {"a folder on the way that is a file", write("file"),
       [](const fs::path& f, svc::Maintenance& m) { return LogProblem(m, f / "file" / "sub" / "service-log.jsonl"); },
       u"sub"},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path at = folder / c.name;
    fs::create_directory(at);
    c.make(at);
    const svc::Outcome english = c.run(at, service);
    ASSERT_FALSE(english.ok());
    EXPECT_TRUE(english.sourceMessage.empty()) << "without a translation the message is the English";
    EXPECT_NE(english.message.find(c.value), std::u16string::npos) << Utf8(english.message);
    for (const char* language : zor::test::kTranslatedLanguages) {
      SCOPED_TRACE(language);
      const zor::test::Installed installed(language);
      const svc::Outcome local = c.run(at, service);
      EXPECT_EQ(local.status, english.status);
      EXPECT_EQ(svc::SourceMessage(local), english.message);
      EXPECT_NE(local.message, english.message);
      EXPECT_NE(local.message.find(c.value), std::u16string::npos) << Utf8(local.message);
    }
  }
}

}  // namespace
}  // namespace zortest
