// zorctl as a program: on a recording device link (found through
// LD_LIBRARY_PATH, as any other library would be) and on the simulated
// controller. Only commands without pauses run for real here; the paced ones
// are checked through their dry-run plans and in the service layer's tests.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Result {
  int status = -1;
  int signal = 0;  // the signal that ended it
  QByteArray out;
  QByteArray err;
  QStringList recorded;
};

class Zorctl : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString record() const { return dir.filePath("record"); }

  Result run(const QStringList& args, bool recording = true, const QMap<QString, QString>& env = {}) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove("ZOR_SERVICE_PASSWORD");
    e.insert("ZORCOMM_STATE", dir.filePath("state"));
    e.insert("XDG_STATE_HOME", dir.path());  // the service log, never the real home's
    if (recording) {
      e.insert("LD_LIBRARY_PATH", RECORDING_LINK_DIR);
      e.insert("ZOR_RECORD", record());
    } else {
      e.remove("LD_LIBRARY_PATH");
    }
    for (auto it = env.begin(); it != env.end(); ++it) e.insert(it.key(), it.value());
    p.setProcessEnvironment(e);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ZORCTL, args);
    p.waitForFinished(60000);
    Result r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.signal = p.exitStatus() == QProcess::CrashExit ? p.exitCode() : 0;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    QFile f(record());
    if (f.open(QIODevice::ReadOnly)) r.recorded = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    QFile::remove(record());
    return r;
  }
  static QJsonObject Json(const Result& r) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.object();
  }
};

const QStringList kFound{"find", "query 142/38"};

TEST_F(Zorctl, SendsWhatThePanelSends) {
  const Result r = run({"shutter", "close"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.recorded, kFound + QStringList{"send 86 00"});
  EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(Zorctl, ReadsAsJson) {
  const Result r = run({"get", "currents", "--json"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.recorded, kFound + QStringList{"query 84/8"});
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["ok"].toBool(), true);
  EXPECT_EQ(o["min_current"].toDouble(), 0.0);
  EXPECT_EQ(o["command"].toString(), "get currents");
}

// Refusals, usage errors and dry runs call nothing in the device link.
TEST_F(Zorctl, NothingReachesTheLinkBeforeEveryCheckPassed) {
  const struct {
    QStringList args;
    int status;
  } cases[] = {
      {{"set", "lens", QString::fromUtf8("1\xC4\x80" "5")}, 1},
      {{"set", "lens", QString(65, '1')}, 1},  // beyond the controller's text buffer
      {{"set", "serial", "7"}, 1},  // no password anywhere
      {{"set", "ip", "10.0.0.256"}, 1},
      {{"set", "mac", "00:11:22"}, 1},
      {{"move", "256", "0"}, 1},
      {{"test-power", "on", "101"}, 1},
      {{"set", "work-time", "1,2:3"}, 1},
      {{"adjust", "center", "UX"}, 1},
      {{"adjust", "aiming", "U", "X"}, 1},
      {{"adjust", "aiming", "U"}, 2},
      {{"adjust", "center", "U", "D"}, 2},
      {{"set", "colour", "red"}, 2},
      {{"get"}, 2},
      {{"frobnicate"}, 2},
      {{"info", "--cancel"}, 2},
      {{"set", "mac", "00:11:22:33:44:55", "--dry-run"}, 0},
      {{"get", "all", "--dry-run"}, 0},
      {{"log", "--since", "soon"}, 2},
      {{"info", "--since", "2026-12-01"}, 2},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.recorded.isEmpty()) << c.args.join(' ').toStdString();
  }
}

TEST_F(Zorctl, WrongPasswordIsRefused) {
  const QString file = dir.filePath("password");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("KPLVoxen \n");
  f.close();
  const Result r = run({"set", "serial", "7", "--password-file", file, "--json"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.recorded.isEmpty());
  EXPECT_EQ(Json(r)["error"].toObject()["kind"].toString(), "refused");
}

TEST_F(Zorctl, ARefusedPacketEndsWithStatus3) {
  const Result r = run({"show-version", "--json"}, true, {{"ZOR_RECORD_REFUSE", "1"}});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.recorded, kFound + QStringList{"send F1 00 -> 2"});
  EXPECT_EQ(Json(r)["error"].toObject()["kind"].toString(), "not-accepted");
}

// What the panel's alignment dialog sends for the same presses; the save's
// pause through the plan.
TEST_F(Zorctl, AdjustAimingSendsWhatTheAlignmentDialogSends) {
  const Result cancelled = run({"adjust", "aiming", "U", "dl", "--cancel"});
  EXPECT_EQ(cancelled.status, 0) << cancelled.err.toStdString();
  EXPECT_EQ(cancelled.recorded, kFound + QStringList({"send 0B 00", "send 04 00", "send 0C 00", "send 05 00",
                                                       "send 07 00", "send 9A 00"}));
  const Result planned = run({"adjust", "aiming", "", "R", "--dry-run", "--json"});
  EXPECT_EQ(planned.status, 0);
  QStringList steps;
  for (const QJsonValue& step : Json(planned)["dry_run"].toArray()) steps << step.toObject()["step"].toString();
  EXPECT_EQ(steps, (QStringList{"find system", "query 142 (38 bytes)", "packet FF FF 0B 00", "packet FF FF 0C 00",
                                "packet FF FF 06 00", "packet FF FF 0D 00", "wait 500 ms", "packet FF FF 9A 00"}));
}

QStringList Sent(const QStringList& recorded) { return recorded.filter(QRegularExpression("^send ")); }

// A signal while a text goes out takes effect after that text's commit, so no
// part of it is left in the controller's buffer for the next text to run
// into; the run then ends by that signal. A second one ends it at once.
TEST_F(Zorctl, ASignalNeverCutsATextShort) {
  const struct {
    const char* name;
    QStringList args;
    const char* raised;  // packet:signal, as the recording link sends them
    int endsBy;
    QStringList sent;
  } cases[] = {
      {"SIGINT", {"set", "lens", "7", "--json"}, "1:2", SIGINT, {"send 42 37", "send 42 00", "send 45 00"}},
      {"SIGTERM", {"set", "lens", "7", "--json"}, "2:15", SIGTERM, {"send 42 37", "send 42 00", "send 45 00"}},
      {"a second SIGINT", {"set", "lens", "78"}, "1:2,2:2", SIGINT, {"send 42 37", "send 42 38"}},
      {"between jogs, the adjustment ends unsaved", {"adjust", "center", "UUUU", "--json"}, "2:2", SIGINT,
       {"send 28 00", "send 04 00", "send 9A 00"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Result r = run(c.args, true, {{"ZOR_RECORD_SIGNAL", c.raised}});
    EXPECT_EQ(r.signal, c.endsBy) << r.err.toStdString();
    EXPECT_EQ(Sent(r.recorded), c.sent);
    EXPECT_TRUE(r.err.startsWith("zorctl: stopping after this value\n")) << r.err.toStdString();
    if (!c.args.contains("--json")) continue;
    const QJsonObject o = Json(r);
    EXPECT_EQ(o["exit_status"].toInt(), 128 + c.endsBy);
    EXPECT_EQ(o["error"].toObject()["kind"].toString(), "interrupted");
  }
}

// Ctrl+C during a restore: the setting under way is sent whole, the rest not at all.
TEST_F(Zorctl, ARestoreStopsBetweenSettings) {
  QFile f(dir.filePath("unit.json"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"({"format": "zor-maintenance-settings", "version": 1, "time": "2026-12-09T10:00:00Z",
    "tool_version": "1.0.0", "identity": {"serial_number": 0, "system_name": "NZ-REC", "version": "",
    "release_date": "", "lens_mm": 7, "family": "NZ"}, "settings": {"min_current": 1, "max_current": 2},
    "missing": ["distortion", "scale", "controller-model", "work-time", "mac", "ip", "subnet", "gateway", "ship-id"]})");
  f.close();
  const Result r = run({"restore", f.fileName(), "--yes", "--json"}, true, {{"ZOR_RECORD_SIGNAL", "1:2"}});
  EXPECT_EQ(r.signal, SIGINT) << r.err.toStdString();
  EXPECT_EQ(Sent(r.recorded), (QStringList{"send 42 37", "send 42 00", "send 45 00"}));
  EXPECT_TRUE(r.err.contains("zorctl: stopping after this setting\n")) << r.err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["exit_status"].toInt(), 130);
  EXPECT_EQ(o["cancelled"].toBool(), true);
}

// On the device link we ship: a command without pauses goes through, and
// the reads show the simulated system (a Set's paced text is left to the
// service layer's tests, in virtual time).
TEST_F(Zorctl, OnTheSimulatedController) {
  EXPECT_EQ(run({"mark", "max-field"}, false).status, 0);
  EXPECT_EQ(run({"get", "controller-model"}, false).out.trimmed(), "100a0001");
  const Result info = run({"info", "--json"}, false);
  EXPECT_EQ(Json(info)["family"].toString(), "NZ");
  EXPECT_EQ(Json(info)["version"].toString(), "SIM-1.00");
}

// The round trip itself runs in the service layer's tests, in virtual time;
// here what zorctl decides before it reads or sends anything.
TEST_F(Zorctl, RestoreOffATerminalNeedsYes) {
  QFile f(dir.filePath("unit.json"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  const QByteArray good = R"({"format": "zor-maintenance-settings", "version": 1, "time": "2026-12-09T10:00:00Z",
    "tool_version": "1.0.0", "identity": null, "settings": {},
    "missing": ["identity", "currents", "distortion", "scale", "controller-model", "work-time", "mac", "ip",
                "subnet", "gateway", "ship-id"]})";
  f.write(good);
  f.close();
  const Result r = run({"restore", f.fileName()});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("--yes")) << r.err.toStdString();
  EXPECT_TRUE(r.recorded.isEmpty());
}

TEST_F(Zorctl, ASpoiltSnapshotSendsNothing) {
  const QString file = dir.filePath("spoilt.json");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{\"format\": \"zor-maintenance-settings\", \"version\": 1}");
  f.close();
  for (const QStringList& args : {QStringList{"restore", file, "--yes"}, QStringList{"diff", file}}) {
    const Result r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("nothing was sent")) << r.err.toStdString();
    EXPECT_TRUE(r.recorded.isEmpty());
  }
}

TEST_F(Zorctl, NoSystemIsStatus3) {
  const Result r = run({"info"}, false, {{"ZORCOMM_LINK", "none"}});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(r.err.contains("no marking system answered"));
}

TEST_F(Zorctl, LogsWhatItSentAndPrintsTheLogWithoutTheDeviceLink) {
  ASSERT_EQ(run({"shutter", "close"}).status, 0);
  ASSERT_EQ(run({"move", "300", "0"}).status, 1);  // refused: nothing sent, nothing logged
  const Result r = run({"log", "--json"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.recorded.isEmpty());
  const QJsonObject o = Json(r);
  EXPECT_EQ(o.keys(), (QStringList{"command", "entries", "exit_status", "ok", "skipped"}));
  EXPECT_EQ(o["command"], "log");
  EXPECT_EQ(o["skipped"], 0);
  const QJsonArray entries = o["entries"].toArray();
  ASSERT_EQ(entries.size(), 1);
  const QJsonObject e = entries[0].toObject();
  EXPECT_EQ(e["front_end"], "zorctl");
  EXPECT_EQ(e["serial"], 0);
  EXPECT_EQ(e["model"], "NZ-REC");
  EXPECT_EQ(e["operation"], "shutter close");
  EXPECT_EQ(e["outcome"], "done");
  EXPECT_TRUE(Json(run({"log", "--json", "--since", "2999-01-01"}))["entries"].toArray().isEmpty());
}

TEST_F(Zorctl, LogPrintsAlignedLocalTimesSafeForATerminal) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("zor-maintenance"));
  QFile f(dir.filePath("zor-maintenance/service-log.jsonl"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"({"time":"2026-12-01T08:00:00.000Z","front_end":"panel","serial":7,"model":"NZ-1","operation":"set lens","value":"60","outcome":"done"})"
          "\nnot a line\n"
          R"({"time":"2026-12-01T09:00:00.000Z","front_end":"zorctl","serial":null,"model":null,"operation":"set model-name","value":"A\u001b[2J","outcome":"not-accepted","message":"no"})"
          "\n");
  f.close();
  const Result r = run({"log"}, true, {{"TZ", "UTC-1"}});
  EXPECT_EQ(r.status, 0);
  const QList<QByteArray> lines = r.out.split('\n');
  ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
  EXPECT_TRUE(lines[0].startsWith("2026-12-01 09:00:00  panel   7  set lens        60")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("2026-12-01 10:00:00  zorctl  -  set model-name  A\\x1B[2J")) << lines[1].toStdString();
  EXPECT_EQ(lines[0].indexOf("done"), lines[1].indexOf("not-accepted"));
  EXPECT_FALSE(r.out.contains('\x1B'));
  EXPECT_TRUE(r.err.contains("1 line of the service log could not be read"));

  ASSERT_TRUE(f.remove());
  ASSERT_TRUE(QDir(dir.path()).mkpath("zor-maintenance/service-log.jsonl"));
  const Result unreadable = run({"log", "--json"});
  EXPECT_EQ(unreadable.status, 5);
  EXPECT_EQ(Json(unreadable)["error"].toObject()["kind"], "file");
}

TEST_F(Zorctl, HelpNamesEveryCommand) {
  const Result r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command : {"info", "get NAME", "set NAME", "move X Y", "mark FIGURE", "shutter open|close",
                              "aiming on|off", "test-power on PULSE", "init-power-board", "show-version", "adjust", "log"})
    EXPECT_TRUE(r.out.contains(command)) << command;
  EXPECT_EQ(run({"help", "set"}).status, 0);
  EXPECT_EQ(run({"help", "log"}).status, 0);
  EXPECT_EQ(run({"set", "--help"}).status, 0);
}

// The command-line front end carries no window system.
TEST_F(Zorctl, LinksNoWindowLibrary) {
  QProcess ldd;
  ldd.start("ldd", {ZORCTL});
  ASSERT_TRUE(ldd.waitForFinished(30000));
  const QByteArray libs = ldd.readAllStandardOutput();
  EXPECT_TRUE(libs.contains("libQt6Core"));
  EXPECT_FALSE(libs.contains("libQt6Gui"));
  EXPECT_FALSE(libs.contains("libQt6Widgets"));
}

}  // namespace
