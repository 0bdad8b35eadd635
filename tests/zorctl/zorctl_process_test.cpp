// zorctl as a program: on a recording device link (found through
// LD_LIBRARY_PATH, as any other library would be) and on the simulated
// controller. Only commands without pauses run for real here; the paced ones
// are checked through their dry-run plans and in the service layer's tests.
#include <fcntl.h>
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
#include <functional>
#include <string>

#include "zorctl/help.h"

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

  // childSetup runs in the child before zorctl starts, its standard streams in place.
  Result run(const QStringList& args, bool recording = true, const QMap<QString, QString>& env = {},
             const std::function<void()>& childSetup = {}) {
    QProcess p;
    if (childSetup) p.setChildProcessModifier(childSetup);
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

const QStringList kFound{"find -> 1", "query 142/38 -> 0"};

TEST_F(Zorctl, SendsWhatThePanelSends) {
  const Result r = run({"mark", "max-field"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.recorded, kFound + QStringList{"send 40 00"});
  EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(Zorctl, ReadsAsJson) {
  const Result r = run({"get", "currents", "--json"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.recorded, kFound + QStringList{"query 84/8 -> 0"});
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
      {{"set", "lens",
        QString::fromUtf8("1\xC4\x80"
                          "5")},
       1},
      {{"set", "lens", QString(65, '1')}, 1},  // beyond the controller's text buffer
      {{"set", "serial", "7"}, 1},             // no password anywhere
      {{"set", "ip", "10.0.0.256"}, 1},
      {{"set", "mac", "00:11:22"}, 1},
      {{"move", "256", "0"}, 1},
      {{"test-power", "on", "101"}, 1},
      {{"set", "work-time", "1,2:3"}, 1},
      {{"adjust", "center", "UX"}, 1},
      {{"adjust", "aiming", "U", "X"}, 1},
      {{"adjust", "aiming", "U"}, 2},
      {{"set", "lens", "1", "--typed"}, 2},
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

// Each family gets what the panel offers it: a command whose control the
// family disables is refused once the system is identified, before any
// packet or read of its own.
TEST_F(Zorctl, FollowsTheFamilyRulesOfThePanel) {
  const struct {
    const char* model;
    QStringList args;
    int status;
    QStringList recorded;  // after finding the system
    const char* message;   // a part of standard error
  } cases[] = {
      {"N-REC",
       {"set", "ip", "10.0.0.1"},
       1,
       {},
       "set ip: an N-series marking system has no network settings (Config IP); nothing was sent"},
      {"N-REC", {"get", "currents"}, 1, {}, "get currents: an N-series marking system has no current readout"},
      {"N-REC", {"get", "ship-id"}, 1, {}, "network settings"},
      {"N-REC", {"mark", "max-field"}, 1, {}, "mark max-field: an N-series"},
      {"N-REC", {"adjust", "distortion", ""}, 1, {}, "no distortion adjustment"},
      {"N-REC", {"shutter", "close"}, 0, {"send 86 00"}, ""},
      {"NZ-REC", {"set", "max-current", "1.5"}, 1, {}, "an NZ-series marking system has no maximum current"},
      {"NZ-REC", {"set", "20-current", "1"}, 1, {}, "no 20% current"},
      {"NZ-REC", {"shutter", "close"}, 1, {}, "shutter close: an NZ-series marking system has no shutter"},
      {"NZ-REC", {"adjust", "center", "U"}, 1, {}, "no centering correction"},
      {"NZ-REC", {"init-power-board"}, 1, {}, "no power board reinitialisation"},
      {"NZ-REC", {"get", "currents"}, 0, {"query 84/8 -> 0"}, ""},
      {"NZ-REC", {"adjust", "distortion", "U"}, 0, {"send 03 00", "send 04 00", "send 08 00"}, ""},
      {"NK-REC", {"get", "controller-model"}, 1, {}, "an NK-series marking system has no controller model"},
      {"NK-REC", {"mark", "original-square"}, 0, {"send 09 00"}, ""},
      {"NK-REC", {"adjust", "center", "L"}, 0, {"send 28 00", "send 07 00", "send 2A 00"}, ""},
      {"NK-REC", {"init-power-board"}, 0, {"send F3 00"}, ""},
      {"NK-REC", {"get", "work-time"}, 0, {"query 207/4 -> 0"}, ""},
      // Behind the password, which is right: the family alone refuses them.
      {"NK-REC", {"set", "controller-model", "100021"}, 1, {}, "an NK-series marking system has no controller model"},
      {"N-REC", {"set", "work-time", "0,00:00:01"}, 1, {}, "an N-series marking system has no working-time counter"},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.model) + " " + c.args.join(' ').toStdString();
    const Result r = run(c.args, true, {{"ZOR_RECORD_MODEL", c.model}, {"ZOR_SERVICE_PASSWORD", "KPLVoxen"}});
    EXPECT_EQ(r.status, c.status) << what << ": " << r.err.toStdString();
    EXPECT_EQ(r.recorded, kFound + c.recorded) << what;
    EXPECT_TRUE(r.err.contains(c.message)) << what << ": " << r.err.toStdString();
  }
}

// What a family does not have is left out and named, never a failed read.
TEST_F(Zorctl, ReadsAndBacksUpWhatTheFamilyHas) {
  const QJsonArray lacking{"currents", "controller-model", "work-time", "mac", "ip", "subnet", "gateway", "ship-id"};
  const Result all = run({"get", "all", "--json"}, true, {{"ZOR_RECORD_MODEL", "N-REC"}});
  EXPECT_EQ(all.status, 0) << all.err.toStdString();
  EXPECT_EQ(all.recorded, kFound + QStringList({"query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(Json(all)["not_on_family"].toArray(), lacking);
  EXPECT_EQ(Json(all)["missing"].toArray(), QJsonArray());
  EXPECT_EQ(Json(all)["values"].toObject().keys(), (QStringList{"distortion_x", "distortion_y", "scale_x", "scale_y"}));

  const QString file = dir.filePath("n.json");
  const Result backup = run({"backup", file, "--json"}, true, {{"ZOR_RECORD_MODEL", "N-REC"}});
  EXPECT_EQ(backup.status, 0) << backup.err.toStdString();
  EXPECT_EQ(backup.recorded, kFound + QStringList({"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(Json(backup)["not_on_family"].toArray(), lacking);
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QJsonObject snapshot = QJsonDocument::fromJson(saved.readAll()).object();
  EXPECT_EQ(snapshot["not_on_family"].toArray(), lacking);
  EXPECT_EQ(snapshot["missing"].toArray(), QJsonArray());

  const Result diff = run({"diff", file, "--json"}, true, {{"ZOR_RECORD_MODEL", "N-REC"}});
  EXPECT_EQ(diff.status, 0) << diff.err.toStdString();
  EXPECT_EQ(diff.recorded, kFound + QStringList({"query 142/38 -> 0", "query 76/4 -> 0", "query 75/8 -> 0"}));
  EXPECT_EQ(Json(diff)["to_send"], 0);
  for (const QJsonValue& row : Json(diff)["settings"].toArray()) {
    const QString setting = row["setting"].toString();
    if (setting == "controller-model" || setting == "mac" || setting == "gateway") {
      EXPECT_EQ(row["restore"], "not on family") << setting.toStdString();
    }
  }
}

// A read the controller did not answer, and no system at all: the exit
// status and the error say which, and nothing more is asked.
TEST_F(Zorctl, UnansweredReadsAndNoSystemEndWithTheirStatus) {
  const struct {
    QStringList args;
    QMap<QString, QString> env;
    int status;
    const char* kind;
    QStringList recorded;
  } cases[] = {
      {{"get", "currents", "--json"},
       {{"ZOR_RECORD_UNANSWERED", "84"}},
       4,
       "read-failed",
       kFound + QStringList{"query 84/8 -> 1"}},
      {{"info", "--json"}, {{"ZOR_RECORD_UNANSWERED", "142"}}, 4, "read-failed", {"find -> 1", "query 142/38 -> 1"}},
      {{"show-version", "--json"}, {{"ZOR_RECORD_FIND", "0"}}, 3, "not-connected", {"find -> 0"}},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args, true, c.env);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_EQ(r.recorded, c.recorded) << c.args.join(' ').toStdString();
    EXPECT_EQ(Json(r)["error"].toObject()["kind"].toString(), c.kind) << c.args.join(' ').toStdString();
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
  EXPECT_EQ(cancelled.recorded,
            kFound + QStringList({"send 0B 00", "send 04 00", "send 0C 00", "send 05 00", "send 07 00", "send 9A 00"}));
  // Cancelled at the first point: no Next, as the dialog cancelled there.
  const Result first = run({"adjust", "aiming", "U", "--cancel"});
  EXPECT_EQ(first.status, 0) << first.err.toStdString();
  EXPECT_EQ(first.recorded, kFound + QStringList({"send 0B 00", "send 04 00", "send 9A 00"}));
  const Result planned = run({"adjust", "aiming", "", "R", "--dry-run", "--json"});
  EXPECT_EQ(planned.status, 0);
  QStringList steps;
  for (const QJsonValue& step : Json(planned)["dry_run"].toArray()) steps << step.toObject()["step"].toString();
  EXPECT_EQ(steps, (QStringList{"find system", "query 142 (38 bytes)", "packet FF FF 0B 00", "packet FF FF 0C 00",
                                "packet FF FF 06 00", "packet FF FF 0D 00", "wait 500 ms", "packet FF FF 9A 00"}));
}

QStringList Sent(const QStringList& recorded) { return recorded.filter(QRegularExpression("^send ")); }

// A controller model is six hexadecimal digits or the eight get prints, flag
// byte 00 or 10 first; anything else is refused before the link is loaded.
TEST_F(Zorctl, AControllerModelOfNeitherFormIsRefusedUnsent) {
  for (const QStringList& args : {QStringList{"1234567"}, QStringList{"20abcdef"}, QStringList{"10abcdeg"},
                                  QStringList{"10100022", "--typed"}, QStringList{"0x1234"}}) {
    const Result r = run(QStringList{"set", "controller-model"} + args, true, {{"ZOR_SERVICE_PASSWORD", "KPLVoxen"}});
    EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
    EXPECT_TRUE(r.recorded.isEmpty()) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("' is not a")) << r.err.toStdString();
  }
}

// After a Set, what its Get reads (the recording link reads zeros): a value
// the controller did not keep is exit status 4 and "differs" in the log; one
// nothing reads is said to be sent.
TEST_F(Zorctl, ASetIsReadBackWhereAGetReadsIt) {
  const struct {
    const char* model;
    QStringList args;
    int status;
    QStringList queries;  // after finding the system
    const char* message;  // standard error, whole
    const char* logged;
  } cases[] = {
      {"NZ-REC",
       {"set", "lens", "7"},
       4,
       {"query 142/38 -> 0"},
       "zorctl: set lens: sent, but the controller reads back 0\n",
       "differs"},
      {"NZ-REC", {"set", "min-current", "0"}, 0, {"query 84/8 -> 0"}, "", "done"},
      {"NZ-REC",
       {"set", "x-multiplier", "1"},
       0,
       {},
       "zorctl: set x-multiplier: sent; the controller's X Multiplier cannot be read back\n",
       "done"},
      {"N-REC",
       {"set", "min-current", "1"},
       0,
       {},
       "zorctl: set min-current: sent; an N-series marking system cannot read it back\n",
       "done"},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.model) + " " + c.args.join(' ').toStdString();
    const Result r = run(c.args, true, {{"ZOR_RECORD_MODEL", c.model}});
    EXPECT_EQ(r.status, c.status) << what << ": " << r.err.toStdString();
    EXPECT_EQ(r.recorded.filter(QRegularExpression("^query ")).mid(1), c.queries) << what;
    EXPECT_EQ(r.err.toStdString(), c.message) << what;
    const QJsonArray entries = Json(run({"log", "--json"}))["entries"].toArray();
    ASSERT_FALSE(entries.isEmpty()) << what;
    EXPECT_EQ(entries.last()["outcome"], c.logged) << what;
  }
}

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
      {"between jogs, the adjustment ends unsaved",
       {"adjust", "distortion", "UUUU", "--json"},
       "2:2",
       SIGINT,
       {"send 03 00", "send 04 00", "send 9A 00"}},
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

// A restore that stops: the summary's first line says what happened to each
// setting, the rest show as not sent, and the exit status is the stop's.
TEST_F(Zorctl, ARestoreThatStopsSaysWhatHappenedFirst) {
  QFile f(dir.filePath("unit.json"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"({"format": "zor-maintenance-settings", "version": 1, "time": "2026-12-09T10:00:00Z",
    "tool_version": "1.0.0", "identity": {"serial_number": 0, "system_name": "NZ-REC", "version": "",
    "release_date": "", "lens_mm": 7, "family": "NZ"},
    "settings": {"min_current": 1, "max_current": 2, "distortion_x": 5, "distortion_y": 6},
    "missing": ["scale", "controller-model", "work-time", "mac", "ip", "subnet", "gateway", "ship-id"]})");
  f.close();
  // The lens reads back as the recording link's 0; the first packet of the
  // minimum current is refused. (An NK- system: no network reads to wait for.)
  const Result r = run({"restore", f.fileName(), "--yes", "--json"}, true,
                       {{"ZOR_RECORD_REFUSE", "4"}, {"ZOR_RECORD_MODEL", "NK-REC"}});
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
  EXPECT_EQ(Sent(r.recorded), (QStringList{"send 42 37", "send 42 00", "send 45 00", "send 42 31 -> 2"}));
  EXPECT_TRUE(
      r.err.startsWith("zorctl: lens: sent 7, the controller reads 0; min-current: the marking system did "
                       "not take it, so the restore stopped there; 2 settings not sent.\n"))
      << r.err.toStdString();
  QStringList results;
  for (const QJsonValue& row : Json(r)["settings"].toArray()) results << row["result"].toString();
  EXPECT_EQ(results, (QStringList{"differs", "failed", "not sent", "not sent"}));
}

// On the device link we ship, with a state file that cannot be saved (its
// folder is a file): the controller takes each change but cannot keep it.
// That is a warning, not a failure: zorctl goes on and exits 0.
TEST_F(Zorctl, AChangeTakenButNotSavedIsAWarning) {
  QFile blocker(dir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QMap<QString, QString> env{{"ZORCOMM_STATE", blocker.fileName() + "/state"}, {"ZORCOMM_SIM_MODEL", "N-20"}};
  const QString file = dir.filePath("n.json");
  ASSERT_EQ(run({"backup", file}, false, env).status, 0);
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadWrite));
  QJsonObject snapshot = QJsonDocument::fromJson(saved.readAll()).object();
  QJsonObject identity = snapshot["identity"].toObject();
  identity["lens_mm"] = 7;
  snapshot["identity"] = identity;
  saved.resize(0);
  saved.write(QJsonDocument(snapshot).toJson());
  saved.close();

  for (const QStringList& args : {QStringList{"set", "lens", "7", "--json"}, {"restore", file, "--yes", "--json"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Result r = run(args, false, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = Json(r);
    EXPECT_TRUE(o["ok"].toBool());
    ASSERT_EQ(o["warnings"].toArray().size(), 1);
    EXPECT_TRUE(o["warnings"][0].toString().contains("could not save it")) << o["warnings"][0].toString().toStdString();
    EXPECT_EQ(r.err.count("zorctl: warning: "), 1) << r.err.toStdString();
    if (args[0] == "restore") {
      EXPECT_EQ(o["settings"][0]["result"], "taken, not saved");
    }
  }
}

// Every value a comparison could not read makes it a failed read, as in get all and backup.
TEST_F(Zorctl, DiffOfValuesThatCouldNotBeReadIsStatus4) {
  const QString file = dir.filePath("nk.json");
  ASSERT_EQ(run({"backup", file}, true, {{"ZOR_RECORD_MODEL", "NK-REC"}}).status, 0);
  const Result r =
      run({"diff", file, "--json"}, true, {{"ZOR_RECORD_MODEL", "NK-REC"}, {"ZOR_RECORD_UNANSWERED", "84,76"}});
  EXPECT_EQ(r.status, 4) << r.err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_FALSE(o["ok"].toBool());
  EXPECT_EQ(o["error"]["kind"], "read-failed");
  EXPECT_TRUE(o["error"]["message"].toString().endsWith("min-current, max-current, distortion"))
      << o["error"]["message"].toString().toStdString();
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

// Nothing answering is said as such, --system or not, after the device link's reason.
TEST_F(Zorctl, NoSystemIsStatus3) {
  const QString socket = dir.filePath("no-simulator");
  const struct {
    QStringList args;
    QMap<QString, QString> env;
    QString why;
  } cases[] = {
      {{"info"}, {{"ZORCOMM_LINK", "none"}}, ""},
      {{"--system", "100002", "info"}, {{"ZORCOMM_LINK", "none"}}, ""},
      {{"--system", "100002", "info"},
       {{"ZORCOMM_LINK", "simulator"}, {"ZORCOMM_SOCKET", socket}},
       "zor-simulator did not answer: cannot connect to " + socket},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args, false, c.env);
    EXPECT_EQ(r.status, 3) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("no marking system answered")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("serial number")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.why.toUtf8())) << r.err.toStdString();
  }
}

// The recording link lists no systems and answers with serial 0 whatever
// ZORCOMM_SYSTEM says: --system holds it to the identity it reads.
TEST_F(Zorctl, SystemRefusesADeviceLinkThatAnswersWithAnotherSerial) {
  const Result other = run({"--system", "100002", "mark", "max-field"});
  EXPECT_EQ(other.status, 3);
  EXPECT_EQ(other.recorded, kFound) << "nothing is sent";
  EXPECT_TRUE(other.err.contains("answered with the system of serial number 0, not 100002")) << other.err.toStdString();
  EXPECT_EQ(run({"--system", "0", "mark", "max-field"}).recorded, kFound + QStringList{"send 40 00"});
}

TEST_F(Zorctl, LogsWhatItSentAndPrintsTheLogWithoutTheDeviceLink) {
  ASSERT_EQ(run({"mark", "max-field"}).status, 0);
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
  EXPECT_EQ(e["operation"], "mark max-field");
  EXPECT_EQ(e["outcome"], "done");
  EXPECT_TRUE(Json(run({"log", "--json", "--since", "2999-01-01"}))["entries"].toArray().isEmpty());
}

TEST_F(Zorctl, LogPrintsAlignedLocalTimesSafeForATerminal) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("zor-maintenance"));
  QFile f(dir.filePath("zor-maintenance/service-log.jsonl"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      R"({"time":"2026-12-01T08:00:00.000Z","front_end":"panel","serial":7,"model":"NZ-1","operation":"set lens","value":"60","outcome":"done"})"
      "\nnot a line\n"
      R"({"time":"2026-12-01T09:00:00.000Z","front_end":"zorctl","serial":null,"model":null,"operation":"set model-name","value":"A\u001b[2J","outcome":"not-accepted","message":"no"})"
      "\n");
  f.close();
  const Result r = run({"log"}, true, {{"TZ", "UTC-1"}});
  EXPECT_EQ(r.status, 0);
  const QList<QByteArray> lines = r.out.split('\n');
  ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
  EXPECT_TRUE(lines[0].startsWith("2026-12-01 09:00:00  panel   7  set lens        60")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("2026-12-01 10:00:00  zorctl  -  set model-name  A\\x1B[2J"))
      << lines[1].toStdString();
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
  for (const char* command :
       {"info", "get NAME", "set NAME", "move X Y", "mark FIGURE", "shutter open|close", "aiming on|off",
        "test-power on PULSE", "init-power-board", "show-version", "adjust", "log"})
    EXPECT_TRUE(r.out.contains(command)) << command;
  EXPECT_EQ(run({"help", "set"}).status, 0);
  EXPECT_EQ(run({"help", "log"}).status, 0);
  EXPECT_EQ(run({"set", "--help"}).status, 0);
}

// Output that could not be written is a failure, never a success, whatever
// the command and whichever stream: exit status 5, said on standard error
// while that still works.
TEST_F(Zorctl, OutputThatCannotBeWrittenIsStatus5) {
  int closedPipe[2];
  ASSERT_EQ(pipe(closedPipe), 0);
  ::close(closedPipe[0]);
  const int pipeEnd = closedPipe[1];
  enum Sink { Full, ClosedPipe, Closed };
  const struct {
    QStringList args;
    int stream;  // STDOUT_FILENO or STDERR_FILENO
    Sink sink;
  } cases[] = {
      {{"--help"}, STDOUT_FILENO, Full},
      {{"--version"}, STDOUT_FILENO, ClosedPipe},
      {{"get", "currents", "--json"}, STDOUT_FILENO, Full},
      {{"get", "currents"}, STDOUT_FILENO, Closed},
      {{"move", "300", "0"}, STDERR_FILENO, Full},   // the refusal's message
      {{"--bogus"}, STDERR_FILENO, ClosedPipe},      // the usage message
      {{"get", "currents"}, STDERR_FILENO, Closed},  // nothing to say: status as it was
  };
  for (const auto& c : cases) {
    const std::string name = c.args.join(' ').toStdString() + (c.stream == STDOUT_FILENO ? " >" : " 2>") +
                             (c.sink == Full         ? "/dev/full"
                              : c.sink == ClosedPipe ? "closed pipe"
                                                     : "&-");
    const int stream = c.stream;
    const Sink sink = c.sink;
    const Result r = run(c.args, true, {}, [stream, sink, pipeEnd] {
      ::signal(SIGPIPE, SIG_IGN);  // a closed pipe shows as a failing write, not as a killed process
      if (sink == Closed) {
        ::close(stream);
      } else {
        const int fd = sink == Full ? ::open("/dev/full", O_WRONLY) : pipeEnd;
        ::dup2(fd, stream);
      }
    });
    const bool nothingToSay = c.stream == STDERR_FILENO && c.sink == Closed;
    EXPECT_EQ(r.status, nothingToSay ? 0 : 5) << name << ": " << r.err.toStdString();
    if (c.stream == STDOUT_FILENO) {
      EXPECT_TRUE(r.err.contains("standard output could not be written")) << name << ": " << r.err.toStdString();
    }
  }
  ::close(pipeEnd);
}

// Texts from the controller and from a snapshot reach a terminal with their
// control characters shown as escapes; JSON carries them as they are.
TEST_F(Zorctl, ControlCharactersFromOutsideShowAsEscapes) {
  const QString model = QString::fromUtf16(u"N\x1B]0;x\x07\u009B");  // cut to 10 bytes by the controller
  const QMap<QString, QString> env{{"ZORCOMM_SIM_MODEL", model}};
  const auto raw = [](const QByteArray& text) {
    return text.contains('\x1B') || text.contains('\x07') || text.contains("\xC2\x9B");
  };
  const Result info = run({"info"}, false, env);
  EXPECT_EQ(info.status, 0) << info.err.toStdString();
  EXPECT_FALSE(raw(info.out));
  EXPECT_TRUE(info.out.contains(R"(system_name: N\x1B]0;x\x07)")) << info.out.toStdString();
  EXPECT_TRUE(info.out.contains(R"(\u009B)")) << info.out.toStdString();
  EXPECT_TRUE(Json(run({"info", "--json"}, false, env))["system_name"].toString().startsWith(u"N\x1B]0;x\x07"));

  const QString file = dir.filePath("escape.json");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"({"format": "\u001b[2J\u009b", "version": 1})");
  f.close();
  const Result diff = run({"diff", file});
  EXPECT_EQ(diff.status, 1);
  EXPECT_FALSE(raw(diff.err));
  EXPECT_TRUE(diff.err.contains(R"(format "\x1B[2J\u009B")")) << diff.err.toStdString();
}

TEST_F(Zorctl, PasswordFromTheEnvironmentWithoutItsLineEnding) {
  const struct {
    const char* password;
    int status;
    const char* says;
  } cases[] = {
      {"KPLVoxen", 0, ""},
      {"KPLVoxen\n", 0, ""},
      {"kplvoxen\r\n", 0, ""},
      {"KPLVoxen\r", 0, ""},
      {"KPLVoxen\t", 1, "password is wrong"},
      {"", 1, "needs the service password"},  // as if unset
  };
  for (const auto& c : cases) {
    const Result r = run({"set", "serial", "7", "--dry-run"}, true, {{"ZOR_SERVICE_PASSWORD", c.password}});
    EXPECT_EQ(r.status, c.status) << c.password << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << c.password << r.err.toStdString();
    EXPECT_TRUE(r.recorded.isEmpty());
  }
}

// ---- calibrate ----------------------------------------------------------------------

// The recording link's system then holds the scale 1, 1 and the distortion 32768, 32768.
const QMap<QString, QString> kCorrections{{"ZOR_RECORD_REPLY", "75:0000803F0000803F,76:00800080"}};
const QStringList kCorrectionsRead{"query 75/8 -> 0", "query 76/4 -> 0"};

// The packets of a text: a character packet each and the closing 0, then its command.
QStringList TextPackets(const QString& text, const char* end) {
  QStringList packets;
  for (const QChar c : text) packets << "send 42 " + QString("%1").arg(c.unicode(), 2, 16, QChar('0')).toUpper();
  return packets << "send 42 00" << QString("send %1 00").arg(end);
}

TEST_F(Zorctl, CalibrateSendsThePanelsScaleSetAndLogsTheRound) {
  const Result r = run({"calibrate", "--width", "50.5", "--height", "49.5", "--nominal", "50"}, true, kCorrections);
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList sent = kFound + kCorrectionsRead + TextPackets("0.99010", "1A") + TextPackets("1.01010", "1B");
  EXPECT_EQ(r.recorded.join(' ').toStdString(), sent.join(' ').toStdString());
  EXPECT_TRUE(r.out.contains("scale_x: 1.00000 -> 0.99010")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("distortion_x: 32768 (unchanged)")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("sent: yes")) << r.out.toStdString();

  const QJsonArray entries = Json(run({"log", "--json"}))["entries"].toArray();
  ASSERT_EQ(entries.size(), 1);
  const QJsonObject e = entries[0].toObject();
  EXPECT_EQ(e["operation"], "calibrate");
  EXPECT_EQ(e["value"], "scale 0.99010 1.01010");
  EXPECT_EQ(e["outcome"], "done");
  const QJsonObject calibration = e["calibration"].toObject();
  EXPECT_EQ(calibration["sent"], true);
  EXPECT_EQ(calibration["nominal_mm"], 50);
  EXPECT_EQ(calibration["new"].toObject()["scale_y"], 1.0101);
  const Result shown = run({"log"});
  EXPECT_TRUE(shown.out.contains("calibrate")) << shown.out.toStdString();
}

TEST_F(Zorctl, CalibrateWithoutSending) {
  const struct {
    QStringList args;
    bool within;
    const char* says;
  } cases[] = {
      {{"--width", "50.5", "--height", "49.5", "--top", "50.6", "--left", "49.4", "--no-set"}, false, "--no-set"},
      {{"--width", "50.02", "--height", "49.98", "--top", "50.03", "--left", "49.97"}, true, "within tolerance"},
      {{"--width", "50.2", "--height", "50", "--tolerance", "0.5,0.1"}, true, "within tolerance"},
  };
  for (const auto& c : cases) {
    const Result r = run(QStringList{"calibrate", "--nominal", "50", "--json"} + c.args, true, kCorrections);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(r.status, 0) << what << ": " << r.err.toStdString();
    EXPECT_EQ(r.recorded, kFound + kCorrectionsRead) << what;
    EXPECT_TRUE(r.err.contains(c.says)) << what << ": " << r.err.toStdString();
    const QJsonObject o = Json(r);
    EXPECT_EQ(o["sent"], false) << what;
    EXPECT_EQ(o["within_tolerance"], c.within) << what;
    EXPECT_EQ(o["old"].toObject()["distortion_x"], 32768) << what;
    EXPECT_EQ(o["nominal_mm"], 50) << what;
    if (!c.within) {
      EXPECT_NE(o["new"].toObject()["distortion_x"], 32768) << what;
      EXPECT_NEAR(o["expected"].toObject()["width_mm"].toDouble(), 50, 0.01) << what;
    }
  }
  EXPECT_TRUE(Json(run({"log", "--json"}))["entries"].toArray().isEmpty());
}

// Sizes are refused before the device link is loaded; what needs the
// controller, once it has been read; nothing is sent either way.
TEST_F(Zorctl, CalibrateRefusesWhatItCannotUse) {
  const struct {
    QStringList args;
    int status;
    QStringList recorded;
    const char* says;
    QMap<QString, QString> env = kCorrections;
  } cases[] = {
      {{"--width", "55,01", "--height", "55"}, 1, {}, "write the decimal point as a point"},
      {{"--width", "abc", "--height", "55"}, 1, {}, "--width 'abc' is not a number of millimetres"},
      {{"--width", "nan", "--height", "55"}, 1, {}, "not a number"},
      {{"--width", "inf", "--height", "55"}, 1, {}, "not a number"},
      {{"--width", "0", "--height", "55"}, 1, {}, "must be a positive number"},
      {{"--width", "55", "--height", "-55"}, 1, {}, "must be a positive number"},
      {{"--width", "55", "--height", "55", "--top", "55"}, 1, {}, "without the left edge"},
      {{"--width", "70", "--height", "55", "--nominal", "55"}, 1, {}, "more than 20 %"},
      {{"--width", "55", "--height", "55", "--tolerance", "0.05"}, 1, {}, "is not PCT,MM"},
      {{"--width", "55"}, 2, {}, "needs --width MM and --height MM"},
      {{"--width", "55", "--height", "55", "--cancel"}, 2, {}, "not one of calibrate's"},
      {{"--width", "55", "--height", "55", "--dry-run"}, 0, {}, "a dry run reads nothing"},
      // The recording link's lens is 0: no nominal size without --nominal.
      {{"--width", "55", "--height", "55"},
       1,
       kFound + QStringList{"query 142/38 -> 0"} + kCorrectionsRead,
       "no lens focal length"},
      {{"--width", "55", "--height", "55", "--nominal", "55", "--mark"},
       1,
       kFound,
       "calibrate --mark: an N-series marking system has no test squares",
       {{"ZOR_RECORD_MODEL", "N-REC"}}},
      {{"--width", "55", "--height", "55", "--nominal", "55"},
       4,
       kFound + QStringList{"query 75/8 -> 1"},
       "scale correction could not be read",
       {{"ZOR_RECORD_UNANSWERED", "75"}}},
  };
  for (const auto& c : cases) {
    const std::string what = c.args.join(' ').toStdString();
    const Result r = run(QStringList{"calibrate"} + c.args, true, c.env);
    EXPECT_EQ(r.status, c.status) << what << ": " << r.err.toStdString();
    EXPECT_EQ(r.recorded, c.recorded) << what;
    EXPECT_TRUE(r.err.contains(c.says)) << what << ": " << r.err.toStdString();
  }
}

// A Set the link does not take ends the round there, logged as failed.
TEST_F(Zorctl, CalibrateSaysWhichValueWasNotTaken) {
  QMap<QString, QString> env = kCorrections;
  env.insert("ZOR_RECORD_REFUSE", "1");
  const Result r = run({"calibrate", "--width", "50.5", "--height", "49.5", "--nominal", "50", "--json"}, true, env);
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
  EXPECT_EQ(r.recorded, kFound + kCorrectionsRead + QStringList{"send 42 30 -> 2"});
  EXPECT_TRUE(r.err.contains("The new scale correction was not taken.")) << r.err.toStdString();
  EXPECT_EQ(Json(r)["sent"], false);
  const QJsonObject e = Json(run({"log", "--json"}))["entries"].toArray()[0].toObject();
  EXPECT_EQ(e["outcome"], "not-accepted");
  EXPECT_EQ(e["calibration"].toObject()["sent"], false);
}

// A person reads zorctl's messages in the language of LANG; --json, which
// scripts read, and the exit status are the same in every language.
TEST_F(Zorctl, MessagesFollowTheLanguageWhileJsonStaysEnglish) {
  const struct {
    QStringList args;
    int status;
    const char* english;  // on standard error, in each language
    const char* german;
    const char* chinese;
  } cases[] = {
      {{"move", "x", "0"},
       1,
       "zorctl: move: X 'x' is not a whole number from 0 to 255\n",
       "zorctl: move: X 'x' ist keine ganze Zahl von 0 bis 255\n",
       "zorctl: move：X“x”不是 0 到 255 之间的整数\n"},
      {{"frobnicate"},
       2,
       "zorctl: unknown command 'frobnicate' (zorctl help for the commands)\n",
       "zorctl: unbekannter Befehl 'frobnicate' (zorctl help zeigt die Befehle)\n",
       "zorctl: 未知命令“frobnicate”（zorctl help 列出命令）\n"},
      {{"set", "serial", "7"}, 1, "zorctl: this setting needs the service password: ", "Servicepasswort", "维护密码"},
      // A snapshot file refused: the service layer's message inside zorctl's.
      {{"diff", "/"},
       1,
       "zorctl: / is not a regular file; nothing was sent\n",
       "zorctl: / ist keine reguläre Datei; es wurde nichts gesendet\n",
       "zorctl: / 不是普通文件；未发送任何内容\n"},
      // An outcome's message.
      {{"info"},
       3,
       "zorctl: no marking system answered\n",
       "zorctl: kein Beschriftungssystem hat geantwortet\n",
       "zorctl: 没有打标系统应答\n"},
  };
  QMap<QString, QString> env{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}, {"ZORCOMM_LINK", "none"}};
  for (const auto& c : cases) {
    const std::string what = c.args.join(' ').toStdString();
    QByteArray json;
    for (const auto& [lang, said] :
         {std::pair{"C", c.english}, std::pair{"de_DE.UTF-8", c.german}, std::pair{"zh_CN.UTF-8", c.chinese}}) {
      env.insert("LANG", lang);
      const Result r = run(c.args, c.status != 3, env);
      EXPECT_EQ(r.status, c.status) << what << " " << lang;
      EXPECT_TRUE(r.err.contains(said)) << what << " " << lang << ": " << r.err.toStdString();
      const Result j = run(c.args + QStringList{"--json"}, c.status != 3, env);
      EXPECT_EQ(j.status, c.status) << what << " " << lang;
      if (json.isEmpty()) {
        json = j.out;
        EXPECT_TRUE(json.contains(QByteArray(c.english).mid(8).trimmed())) << what << ": " << json.toStdString();
      }
      EXPECT_EQ(j.out, json) << what << " " << lang;
    }
  }
}

// The help too is in the language of LANG, loaded before it is printed,
// whichever way it is asked for; under a C locale it is exactly the English,
// whatever LANGUAGE asks for.
TEST_F(Zorctl, HelpFollowsTheLanguage) {
  const std::string english = zor::zorctl::HelpText();
  const std::string englishSet = zor::zorctl::CommandHelp("set");
  const struct {
    QMap<QString, QString> env;
    const char* first;  // the whole help's first line
    const char* says;   // a line of it
    const char* set;    // a line of set's help, from the table of settings
  } cases[] = {
      {{{"LANG", "de_DE.UTF-8"}},
       "Aufruf: zorctl [OPTIONS] COMMAND [VALUES...]\n",
       "\nBefehle:\n  list                          jedes System, das antwortet: Seriennummer,\n",
       "\n  distortion X Y, scale X Y\n                     beide Hälften, im Abstand von 100 ms\n"},
      {{{"LANG", "zh_CN.UTF-8"}},
       "用法：zorctl [OPTIONS] COMMAND [VALUES...]\n",
       "\n退出状态：\n  0  完成\n",
       "\n  distortion X Y, scale X Y\n                     两半分别发送，间隔 100 ms\n"},
  };
  for (const auto& c : cases) {
    QMap<QString, QString> env{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}};
    env.insert(c.env);
    const std::string what = c.env.first().toStdString();
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"help"}}) {
      const Result r = run(args, false, env);
      EXPECT_EQ(r.status, 0) << what;
      EXPECT_TRUE(r.out.startsWith(c.first)) << what << ": " << r.out.left(200).toStdString();
      EXPECT_TRUE(r.out.contains(c.says)) << what;
    }
    const Result bare = run({}, false, env);
    EXPECT_EQ(bare.status, 2) << what;
    EXPECT_TRUE(bare.err.startsWith(c.first)) << what << ": " << bare.err.left(200).toStdString();
    for (const QStringList& args : {QStringList{"help", "set"}, QStringList{"set", "--help"}}) {
      const Result r = run(args, false, env);
      EXPECT_EQ(r.status, 0) << what;
      EXPECT_TRUE(r.out.contains(c.set)) << what << ": " << r.out.toStdString();
      EXPECT_NE(r.out.toStdString(), englishSet) << what;
    }
  }
  for (const char* lang : {"C", "C.UTF-8", "POSIX"}) {
    const QMap<QString, QString> env{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", "de:zh_CN"}, {"LANG", lang}};
    const Result r = run({"--help"}, false, env);
    EXPECT_EQ(r.status, 0) << lang;
    EXPECT_EQ(r.out.toStdString(), english) << lang;
    EXPECT_EQ(run({"set", "--help"}, false, env).out.toStdString(), englishSet) << lang;
  }
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
