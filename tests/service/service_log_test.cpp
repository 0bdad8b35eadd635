// The service log: the lines the service layer's operations leave, writers
// in two processes at once, a log that cannot be written, and the reader.
#include "service/service_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

namespace fs = std::filesystem;
using zor::service::OperationRecord;
using zor::service::Outcome;
using zor::service::ReadServiceLog;
using zor::service::ServiceLog;
using zor::service::ServiceLogLine;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const fs::path& path) {
  std::vector<std::string> lines;
  std::istringstream in(Contents(path));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

QJsonObject Object(const std::string& line) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
  return document.object();
}

class ServiceLogTest : public ServiceOnLink {
 protected:
  QTemporaryDir dir;
  fs::path folder = fs::path(dir.path().toStdString());
  fs::path path = folder / "state" / "service-log.jsonl";
  std::vector<std::string> problems;

  ServiceLog Log(const fs::path& at, std::chrono::milliseconds lockWait = zor::service::kServiceLogLockWait) {
    return ServiceLog(
        "zorctl", service, at,
        [this](const Outcome& problem) {
          EXPECT_EQ(problem.status, zor::service::Status::FileFailed);
          problems.push_back(zor::service::ToUtf8(problem.message));
        },
        lockWait);
  }
};

TEST_F(ServiceLogTest, OneLinePerSendingOperationWithEveryFieldAndNeverThePassword) {
  ServiceLog log = Log(path);
  service.setObserver(&log);
  connect(Block().serial(100042).model("NZ-7"));
  const QDateTime before = QDateTime::currentDateTimeUtc();
  EXPECT_TRUE(service.setSerialNumber(u"KPLVoxen", u"100043").ok());
  EXPECT_FALSE(service.setModelName(u"kplvoxen!", u"NZ-8").ok());  // wrong password: nothing sent
  EXPECT_FALSE(service.moveTo(300, 5).ok());                       // refused: nothing sent
  service.readCurrents();                                          // a read: not logged
  fake.refusePacket(1);
  EXPECT_EQ(service.shutter(false).status, zor::service::Status::NotAccepted);
  const QDateTime after = QDateTime::currentDateTimeUtc();

  const std::vector<std::string> lines = Lines(path);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].starts_with("{\"time\":\"")) << "the time first, for people reading the file";
  const QJsonObject set = Object(lines[0]);
  EXPECT_EQ(set.keys(), (QStringList{"front_end", "model", "operation", "outcome", "serial", "time", "value"}));
  EXPECT_TRUE(
      QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$)").match(set["time"].toString()).hasMatch());
  const QDateTime time = QDateTime::fromString(set["time"].toString(), Qt::ISODateWithMs);
  EXPECT_GE(time, before.addMSecs(-1));
  EXPECT_LE(time, after);
  EXPECT_EQ(set["front_end"], "zorctl");
  EXPECT_EQ(set["serial"], 100042);
  EXPECT_EQ(set["model"], "NZ-7");
  EXPECT_EQ(set["operation"], "set serial");
  EXPECT_EQ(set["value"], "100043");
  EXPECT_EQ(set["outcome"], "done");

  const QJsonObject shutter = Object(lines[1]);
  EXPECT_EQ(shutter["operation"], "shutter close");
  EXPECT_EQ(shutter["value"], "");
  EXPECT_EQ(shutter["outcome"], "not-accepted");
  EXPECT_TRUE(shutter["message"].toString().contains("The shutter may still be open."));

  EXPECT_EQ(QString::fromStdString(Contents(path)).indexOf("voxen", 0, Qt::CaseInsensitive), -1);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::status(path.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(ServiceLogTest, ASystemNeverIdentifiedHasNoSerialOrModel) {
  ServiceLog log = Log(path);
  service.setObserver(&log);
  fake.setStatusUntouched(zor::protocol::CMD_GET_SYSTEM_INFO, 1);
  service.connect();
  service.showVersion();
  const std::vector<std::string> lines = Lines(path);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(Object(lines[0])["serial"].isNull());
  EXPECT_TRUE(Object(lines[0])["model"].isNull());
}

// Two processes append at once; every line arrives whole and none is lost.
TEST_F(ServiceLogTest, ParallelWritersNeverMixTheirLines) {
  connect(Block().serial(7).model("NK-1"));
  constexpr int kLines = 500;
  const std::string padding(3000, 'p');  // lines of a few KB, written while the other process writes
  pid_t children[2];
  for (int child = 0; child < 2; ++child) {
    children[child] = fork();
    ASSERT_GE(children[child], 0);
    if (children[child] == 0) {
      ServiceLog log = Log(path);
      for (int i = 0; i < kLines; ++i) {
        const std::string value = std::to_string(child) + "-" + std::to_string(i) + "-" + padding;
        log.operationEnded({u"set lens", std::u16string(value.begin(), value.end()), Outcome::done()});
      }
      _exit(problems.empty() ? 0 : 1);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  int next[2] = {0, 0};
  const std::vector<std::string> lines = Lines(path);
  EXPECT_EQ(lines.size(), 2u * kLines);
  for (const std::string& line : lines) {
    const QString value = Object(line)["value"].toString();
    const QStringList parts = value.split('-');
    ASSERT_EQ(parts.size(), 3) << line.substr(0, 80);
    const int child = parts[0].toInt();
    ASSERT_TRUE(child == 0 || child == 1);
    EXPECT_EQ(parts[1].toInt(), next[child]++) << "each process's lines in its order";
    EXPECT_EQ(parts[2].size(), 3000);
  }
  EXPECT_EQ(next[0], kLines);
  EXPECT_EQ(next[1], kLines);
}

struct UnwritableCase {
  const char* name;
  // Makes the obstacle in the folder; returns the log's path (empty: not for this user).
  std::function<fs::path(const fs::path& folder)> make;
  const char* says;  // in the report
};

class UnwritableLog : public ServiceLogTest, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableLog, IsReportedOnceAndTheOperationsGoOn) {
  const fs::path at = GetParam().make(folder);
  if (at.empty()) GTEST_SKIP() << "cannot be made by this user";
  ServiceLog log = Log(at);
  service.setObserver(&log);
  connect(Block().serial(7).model("NZ-1"));
  EXPECT_TRUE(service.shutter(true).ok());
  EXPECT_TRUE(service.shutter(false).ok());
  EXPECT_EQ(t.events().back(), "send 86 00");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find(GetParam().says), std::string::npos) << problems[0];
  if (fs::exists(folder / "target")) {
    EXPECT_EQ(Contents(folder / "target"), "mine\n") << "a link is never followed";
  }
}

INSTANTIATE_TEST_SUITE_P(
    ServiceLog, UnwritableLog,
    ::testing::Values(UnwritableCase{"FolderIsAFile",
                                     [](const fs::path& folder) {
                                       std::ofstream(folder / "state") << "x";
                                       return folder / "state" / "service-log.jsonl";
                                     },
                                     "state is not a folder"},
                      UnwritableCase{"AFolderOnTheWayIsAFile",
                                     [](const fs::path& folder) {
                                       std::ofstream(folder / "state") << "x";
                                       return folder / "state" / "sub" / "service-log.jsonl";
                                     },
                                     "cannot create the folder "},
                      UnwritableCase{"SymbolicLink",
                                     [](const fs::path& folder) {
                                       std::ofstream(folder / "target") << "mine\n";
                                       fs::create_symlink(folder / "target", folder / "service-log.jsonl");
                                       return folder / "service-log.jsonl";
                                     },
                                     "service-log.jsonl is a symbolic link"},
                      UnwritableCase{"AFifoWithoutReader",
                                     [](const fs::path& folder) {
                                       mkfifo((folder / "service-log.jsonl").c_str(), 0600);
                                       return folder / "service-log.jsonl";
                                     },
                                     "service-log.jsonl is not a regular file"},
                      // Root writes in any folder, and only root gives a file away: one of
                      // these two runs.
                      UnwritableCase{"ReadOnlyFolder",
                                     [](const fs::path& folder) {
                                       if (geteuid() == 0) return fs::path();
                                       fs::create_directory(folder / "ro");
                                       fs::permissions(folder / "ro", fs::perms::owner_read | fs::perms::owner_exec);
                                       return folder / "ro" / "service-log.jsonl";
                                     },
                                     "Permission denied"},
                      UnwritableCase{"AnotherUsersFile",
                                     [](const fs::path& folder) {
                                       std::ofstream(folder / "service-log.jsonl") << "";
                                       if (chown((folder / "service-log.jsonl").c_str(), 65534, 65534) != 0)
                                         return fs::path();
                                       return folder / "service-log.jsonl";
                                     },
                                     "belongs to another user"},
                      // No XDG_STATE_HOME and no HOME: never a log in the working folder.
                      UnwritableCase{"NoStateFolder",
                                     [](const fs::path&) { return fs::path("zor-maintenance/service-log.jsonl"); },
                                     "neither XDG_STATE_HOME nor HOME"}),
    [](const auto& info) { return std::string(info.param.name); });

// A program holding the log's lock delays a line or a reading by the bound at
// most: the operation goes on and says once that its line was not written,
// the reader says why it read nothing, and both work again once it lets go.
TEST_F(ServiceLogTest, ALockHeldByAnotherProgramIsWaitedForOnlyUpToTheBound) {
  constexpr std::chrono::milliseconds kWait(30);
  ServiceLog log = Log(path, kWait);
  service.setObserver(&log);
  connect(Block().serial(7).model("NZ-1"));
  EXPECT_TRUE(service.shutter(true).ok());
  // flock() locks belong to an open file: this one stands for another program's.
  const int other = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_TRUE(service.shutter(false).ok());
  EXPECT_TRUE(service.shutter(true).ok());
  EXPECT_EQ(t.events().back(), "send 87 00");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "another program has held the lock on " + path.string() + " for more than 30 ms");
  const auto blocked = ReadServiceLog(path, std::nullopt, zor::service::kServiceLogReadLimit, kWait);
  EXPECT_EQ(blocked.status, zor::service::Status::FileFailed);
  EXPECT_EQ(zor::service::ToUtf8(blocked.message), problems[0]);
  EXPECT_TRUE(blocked.value.entries.empty());

  ASSERT_EQ(::flock(other, LOCK_UN), 0);
  ::close(other);
  EXPECT_TRUE(service.shutter(false).ok());
  EXPECT_EQ(ReadServiceLog(path, std::nullopt, zor::service::kServiceLogReadLimit, kWait).value.entries.size(), 2u);
  EXPECT_EQ(problems.size(), 1u);
}

// Whatever the value holds, the line is JSON that gives it back, and no line
// is longer than the cap: a long value is cut at a whole character.
TEST_F(ServiceLogTest, ValuesRoundTripAndALongOneIsCutToFitItsLine) {
  const struct {
    const char* name;
    std::u16string value;
    bool cut;
  } cases[] = {
      {"escapes", u"a\"b\\c\n\t\x01\x1F\x7F caf\u00E9 \u00FF", false},
      {"long", std::u16string(40000, u'x'), true},
      {"long escapes", std::u16string(40000, u'\x01'), true},
      {"long two-byte characters", std::u16string(40000, u'\u00E9'), true},
  };
  for (const auto& c : cases) {
    const std::string line =
        ServiceLogLine("panel", std::nullopt, {u"set lens", c.value, Outcome::done()}, QDateTime::currentDateTimeUtc());
    EXPECT_LE(line.size(), zor::service::kMaxServiceLogLine) << c.name;
    EXPECT_TRUE(line.ends_with("}\n")) << c.name;
    const QString value = Object(line.substr(0, line.size() - 1))["value"].toString();
    const QString original = QString::fromStdU16String(c.value);
    if (!c.cut) {
      EXPECT_EQ(value, original) << c.name;
      continue;
    }
    EXPECT_TRUE(value.endsWith(u'\u2026')) << c.name;
    EXPECT_TRUE(original.startsWith(value.chopped(1))) << c.name;
    EXPECT_GT(line.size(), zor::service::kMaxServiceLogLine - 16) << c.name << ": cut no more than needed";
  }
}

// ---- the reader -----------------------------------------------------------------------

std::string LineAt(const char* utc, const char16_t* operation = u"set lens") {
  return ServiceLogLine("panel", std::nullopt, {operation, u"60", Outcome::done()},
                        QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODateWithMs));
}

TEST_F(ServiceLogTest, TheReaderSkipsAndCountsLinesThatAreNoEntryAndFiltersByTime) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << LineAt("2026-12-01T08:00:00.000Z") << "garbage\n"
                      << "[1,2]\n"
                      << R"({"operation":"x","outcome":"done"})"
                      << "\n"
                      << R"({"time":"yesterday","operation":"x","outcome":"done"})"
                      << "\n"
                      << "\n"
                      << LineAt("2026-12-01T09:00:00.000Z", u"shutter open") << R"({"time":"2026-12-)";
  const auto read = ReadServiceLog(path);
  EXPECT_TRUE(read.ok());
  const auto& contents = read.value;
  EXPECT_EQ(contents.skipped, 5);
  ASSERT_EQ(contents.entries.size(), 2u);
  EXPECT_EQ(contents.entries[1].operation, "shutter open");
  EXPECT_EQ(contents.entries[1].time, QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC));
  EXPECT_FALSE(contents.entries[1].serial.has_value());
  EXPECT_EQ(contents.entries[0].object["value"], "60");
  const auto since = ReadServiceLog(path, QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC)).value;
  ASSERT_EQ(since.entries.size(), 1u) << "entries at or after the time given";
  EXPECT_EQ(since.entries[0].operation, "shutter open");
}

// Whatever the limit, the entries are exactly the lines wholly inside the newest limit bytes.
TEST_F(ServiceLogTest, TheReaderReadsOnlyTheNewestBytesStartingAtAWholeLine) {
  fs::create_directories(path.parent_path());
  std::vector<std::string> lines;
  std::string file;
  for (int i = 0; i < 12; ++i) {
    const std::u16string value(static_cast<std::size_t>(i * 7), u'v');
    lines.push_back(
        ServiceLogLine("zorctl", std::nullopt, {u"set lens", value, Outcome::done()}, QDateTime::currentDateTimeUtc()));
    file += lines.back();
  }
  std::ofstream(path, std::ios::binary) << file;
  for (std::size_t limit = 1; limit <= file.size() + 1; ++limit) {
    std::size_t whole = 0, bytes = 0;
    for (auto line = lines.rbegin(); line != lines.rend() && bytes + line->size() <= limit; ++line) {
      bytes += line->size();
      ++whole;
    }
    const auto contents = ReadServiceLog(path, std::nullopt, limit).value;
    ASSERT_EQ(contents.entries.size(), whole) << "limit " << limit;
    EXPECT_EQ(contents.skipped, 0) << "limit " << limit;
    EXPECT_EQ(contents.olderLeftOut, limit < file.size()) << "limit " << limit;
    if (whole > 0) {
      EXPECT_EQ(contents.entries.back().value.size(), 77) << "limit " << limit;
    }
  }
}

TEST(ServiceLogSince, DatesAndTimesLocalUnlessMarkedUtc) {
  const struct {
    const char* text;
    std::optional<QDateTime> since;
  } cases[] = {
      {"2026-12-01", QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::LocalTime)},
      {"2026-12-01T08:00", QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::LocalTime)},
      {"2026-12-01 08:00:30", QDateTime(QDate(2026, 12, 1), QTime(8, 0, 30), Qt::LocalTime)},
      {"2026-12-01T08:00Z", QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC)},
      {"2026-12-01Z", QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC)},
      {"2026-12-32", std::nullopt},
      {"2026-2-01", std::nullopt},
      {"2026-12-01T8:00", std::nullopt},
      {"2026-12-01T08:00:60", std::nullopt},
      {"2026-12-01X08:00", std::nullopt},
      {"yesterday", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(zor::service::ParseSince(c.text), c.since) << c.text;
}

// A local time that the clocks skipped is taken as the first one after it.
TEST(ServiceLogSince, ATimeInADaylightSavingGapIsTheFirstAfterIt) {
  const struct {
    const char* zone;
    const char* text;
    const char* utc;  // what it means
  } cases[] = {
      {"Europe/Berlin", "2026-03-29T02:30", "2026-03-29T01:00:00Z"},  // 02:00 to 03:00 skipped
      {"Europe/Berlin", "2026-03-29T02:00:00", "2026-03-29T01:00:00Z"},
      {"Europe/Berlin", "2026-03-29T02:59:59", "2026-03-29T01:00:00Z"},
      {"Europe/Berlin", "2026-03-29T03:00", "2026-03-29T01:00:00Z"},
      {"Europe/Berlin", "2026-03-29T01:59:30", "2026-03-29T00:59:30Z"},
      {"America/Sao_Paulo", "2018-11-04", "2018-11-04T03:00:00Z"},  // midnight skipped: 01:00, -02:00
  };
  const QByteArray saved = qgetenv("TZ");
  for (const auto& c : cases) {
    if (!QTimeZone(c.zone).isValid()) GTEST_SKIP() << "no time zone data for " << c.zone;
    qputenv("TZ", c.zone);
    tzset();
    EXPECT_EQ(zor::service::ParseSince(c.text), QDateTime::fromString(c.utc, Qt::ISODate)) << c.zone << " " << c.text;
  }
  if (saved.isNull()) {
    qunsetenv("TZ");
  } else {
    qputenv("TZ", saved);
  }
  tzset();
}

TEST_F(ServiceLogTest, TheReaderTakesOnlyARegularFileAndNeverBlocks) {
  EXPECT_TRUE(ReadServiceLog(folder / "missing").ok()) << "no log yet is an empty log";
  std::ofstream(folder / "target") << LineAt("2026-12-01T08:00:00.000Z");
  fs::create_symlink(folder / "target", folder / "link");
  mkfifo((folder / "fifo").c_str(), 0600);
  for (const fs::path& path : {folder / "link", folder / "fifo", folder, fs::path("target")}) {
    const auto contents = ReadServiceLog(path);
    EXPECT_EQ(contents.status, zor::service::Status::FileFailed) << path;
    EXPECT_FALSE(contents.message.empty()) << path;
    EXPECT_TRUE(contents.value.entries.empty()) << path;
  }
}

}  // namespace
}  // namespace zortest
