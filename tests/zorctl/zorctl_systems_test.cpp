// zorctl list and --system against zor-simulator --headless --systems 3, each
// program a process of its own. The simulator's start is the only wait: one
// discovery and an identity query per command, no paced packets.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct Result {
  int status = -1;
  QString out;
  QString err;
};

class ZorctlSystems : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QProcess simulator;

  QProcessEnvironment environment() const {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("ZORCOMM_STATE", dir.filePath("state"));
    e.insert("ZORCOMM_LINK", "simulator");
    e.insert("ZORCOMM_SOCKET", dir.filePath("socket"));
    e.insert("XDG_STATE_HOME", dir.path());  // the service log
    e.remove("ZORCOMM_SYSTEM");
    e.remove("LD_LIBRARY_PATH");
    return e;
  }

  // Three systems, 100001 to 100003, ready once their line is out (10 s at most).
  void SetUp() override {
    simulator.setProcessEnvironment(environment());
    simulator.start(ZOR_SIMULATOR, {"--headless", "--systems", "3", "--socket", dir.filePath("socket")});
    while (!simulator.canReadLine() && simulator.waitForReadyRead(10000)) {
    }
    ASSERT_TRUE(simulator.readLine().startsWith("zor-simulator: serving 3 systems"))
        << simulator.readAllStandardError().toStdString();
  }
  void TearDown() override {
    simulator.terminate();
    if (!simulator.waitForFinished(5000)) simulator.kill();
  }

  Result zorctl(const QStringList& args, const QString& system = {}) {
    QProcess p;
    QProcessEnvironment e = environment();
    if (!system.isNull()) e.insert("ZORCOMM_SYSTEM", system);
    p.setProcessEnvironment(e);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ZORCTL, args);
    if (!p.waitForFinished(20000)) p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
  }
};

TEST_F(ZorctlSystems, ListsEverySystemThatAnswers) {
  const Result text = zorctl({"list"});
  EXPECT_EQ(text.status, 0) << text.err.toStdString();
  EXPECT_EQ(text.out,
            "SERIAL  NAME    ADDRESS       FAMILY\n"
            "100001  NZ-SIM  192.168.1.10  NZ\n"
            "100002  NZ-SIM  192.168.1.11  NZ\n"
            "100003  NZ-SIM  192.168.1.12  NZ\n");
  const Result json = zorctl({"list", "--json"});
  const QJsonArray systems = QJsonDocument::fromJson(json.out.toUtf8()).object()["systems"].toArray();
  ASSERT_EQ(systems.size(), 3);
  EXPECT_EQ(systems[2].toObject(),
            (QJsonObject{{"serial", 100003}, {"name", "NZ-SIM"}, {"address", "192.168.1.12"}, {"family", "NZ"}}));
}

TEST_F(ZorctlSystems, SystemAddressesEachOneAndRefusesOneThatDoesNotAnswer) {
  for (const char* serial : {"100001", "100002", "100003"}) {
    const Result info = zorctl({"--system", serial, "info"});
    EXPECT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("serial_number: ") + serial)) << info.out.toStdString();
  }
  for (const QStringList& args : {QStringList{"info"}, QStringList{"list"}, QStringList{"aiming", "off"}}) {
    const Result none = zorctl(QStringList{"--system", "100004"} + args);
    EXPECT_EQ(none.status, 3) << args.join(' ').toStdString();
    EXPECT_TRUE(none.err.contains("serial number 100004 answered (found: 100001, 100002, 100003)"))
        << none.err.toStdString();
  }
  const struct {
    const char* system;
    const char* said;
  } named[] = {{"999", "no marking system has serial number 999, which ZORCOMM_SYSTEM names"},
               {"1e5", "ZORCOMM_SYSTEM names no serial number: \"1e5\""}};
  for (const auto& c : named) {
    const Result none = zorctl({"info"}, c.system);
    EXPECT_EQ(none.status, 3) << c.system;
    EXPECT_TRUE(none.err.contains(QString(c.said) + " (found: 100001, 100002, 100003)")) << none.err.toStdString();
    EXPECT_EQ(zorctl({"list"}, c.system).out.count('\n'), 4) << "the list still shows what answered";
  }
}

TEST_F(ZorctlSystems, TheServiceLogNamesTheSystemAddressed) {
  ASSERT_EQ(zorctl({"--system", "100003", "aiming", "off"}).status, 0);
  const QJsonArray entries =
      QJsonDocument::fromJson(zorctl({"log", "--json"}).out.toUtf8()).object()["entries"].toArray();
  ASSERT_EQ(entries.size(), 1);
  EXPECT_EQ(entries[0].toObject()["serial"].toInt(), 100003);
  EXPECT_EQ(zorctl({"log", "--system", "100003", "--json"}).out.count("\"operation\""), 1);
  EXPECT_EQ(zorctl({"log", "--system", "100001", "--json"}).out.count("\"operation\""), 0);
}

}  // namespace
