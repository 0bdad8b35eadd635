// zorctl as a program: on a recording device link (found through
// LD_LIBRARY_PATH, as any other library would be) and on the simulated
// controller. Only commands without pauses run for real here; the paced ones
// are checked through their dry-run plans and in the service layer's tests.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct Result {
  int status = -1;
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
      {{"set", "serial", "7"}, 1},  // no password anywhere
      {{"set", "ip", "10.0.0.256"}, 1},
      {{"set", "mac", "00:11:22"}, 1},
      {{"move", "256", "0"}, 1},
      {{"test-power", "on", "101"}, 1},
      {{"set", "work-time", "1,2:3"}, 1},
      {{"adjust", "center", "UX"}, 1},
      {{"set", "colour", "red"}, 2},
      {{"get"}, 2},
      {{"frobnicate"}, 2},
      {{"info", "--cancel"}, 2},
      {{"set", "mac", "00:11:22:33:44:55", "--dry-run"}, 0},
      {{"get", "all", "--dry-run"}, 0},
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

TEST_F(Zorctl, OnTheSimulatedControllerASetIsReadBack) {
  const QString password = dir.filePath("pw");
  QFile f(password);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("kplvoxen\n");
  f.close();
  ASSERT_EQ(run({"set", "controller-model", "200031", "--password-file", password, "--quiet"}, false).status, 0);
  const Result r = run({"get", "controller-model"}, false);
  EXPECT_EQ(r.out.trimmed(), "10200031");
  const Result info = run({"info", "--json"}, false);
  EXPECT_EQ(Json(info)["family"].toString(), "NZ");
}

TEST_F(Zorctl, NoSystemIsStatus3) {
  const Result r = run({"info"}, false, {{"ZORCOMM_LINK", "none"}});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(r.err.contains("no marking system answered"));
}

TEST_F(Zorctl, HelpNamesEveryCommand) {
  const Result r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command : {"info", "get NAME", "set NAME", "move X Y", "mark FIGURE", "shutter open|close",
                              "aiming on|off", "test-power on PULSE", "init-power-board", "show-version", "adjust"})
    EXPECT_TRUE(r.out.contains(command)) << command;
  EXPECT_EQ(run({"help", "set"}).status, 0);
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
