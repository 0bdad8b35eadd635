// zorctl report as a program on the recording device link: the PDF holds
// what get all reads and names what it could not; a file that cannot be
// written is refused before anything is read, and nothing is left under it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

namespace {

struct Result {
  int status = -1;
  QByteArray out, err;
  QString recorded;
};

class ZorctlReport : public ::testing::Test {
 protected:
  QTemporaryDir dir;

  Result run(const QStringList& args, const QMap<QString, QString>& env = {}) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("XDG_STATE_HOME", dir.path());  // the service log, never the real home's
    e.insert("LD_LIBRARY_PATH", RECORDING_LINK_DIR);
    e.insert("ZOR_RECORD", dir.filePath("record"));
    e.insert("ZOR_RECORD_MODEL", "N-REC");  // reads without the network's pauses
    e.remove("DISPLAY");
    e.remove("WAYLAND_DISPLAY");
    e.remove("QT_QPA_PLATFORM");
    for (auto it = env.begin(); it != env.end(); ++it) e.insert(it.key(), it.value());
    p.setProcessEnvironment(e);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ZORCTL, args);
    p.waitForFinished(60000);
    Result r{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
             p.readAllStandardOutput(),
             p.readAllStandardError(),
             {}};
    QFile record(dir.filePath("record"));
    if (record.open(QIODevice::ReadOnly)) r.recorded = QString::fromUtf8(record.readAll());
    QFile::remove(dir.filePath("record"));
    return r;
  }

  static QString PdfText(const QString& file) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", file, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
  }
};

TEST_F(ZorctlReport, HoldsWhatGetAllReadsAndNamesWhatItCouldNot) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  const Result all = run({"get", "all", "--json"});
  ASSERT_EQ(all.status, 0) << all.err.toStdString();
  const QString pdf = dir.filePath("report.pdf");
  const Result r = run({"report", "--output", pdf, "--json"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(QJsonDocument::fromJson(r.out).object()["file"], pdf);
  const QString text = PdfText(pdf);
  const QJsonObject values = QJsonDocument::fromJson(all.out).object()["values"].toObject();
  ASSERT_FALSE(values.isEmpty());
  for (auto it = values.begin(); it != values.end(); ++it) {
    // The panel's text of the number get all reads: "%.5f" for scales, whole for words.
    const double v = it.value().toDouble();
    const QString shown = v == std::floor(v) && it.key().startsWith("distortion") ? QString::number(v, 'f', 0)
                                                                                  : QString::number(v, 'f', 5);
    EXPECT_TRUE(text.contains(QRegularExpression(it.key() + "\\s+" + QRegularExpression::escape(shown))))
        << it.key().toStdString() << " " << shown.toStdString() << "\n"
        << text.toStdString();
  }
  EXPECT_TRUE(text.contains("N-REC"));
  EXPECT_FALSE(text.contains("not read"));

  // The scale's query unanswered: listed as not read, exit status 4, the report still written.
  const Result unread = run({"report", "--output", pdf}, {{"ZOR_RECORD_UNANSWERED", "75"}});
  EXPECT_EQ(unread.status, 4) << unread.err.toStdString();
  EXPECT_TRUE(unread.err.contains("scale")) << unread.err.toStdString();
  EXPECT_TRUE(PdfText(pdf).contains(QRegularExpression("scale\\s+scale_x, scale_y\\s+not read")));
}

TEST_F(ZorctlReport, AFileThatCannotBeWrittenIsRefusedBeforeAnythingIsRead) {
  QDir(dir.path()).mkdir("folder");
  QFile target(dir.filePath("target"));
  ASSERT_TRUE(target.open(QIODevice::WriteOnly));
  target.write("keep");
  target.close();
  ASSERT_TRUE(QFile::link(dir.filePath("target"), dir.filePath("link.pdf")));
  const struct {
    QString output;
    const char* says;
  } cases[] = {
      {dir.filePath("folder"), "is not a regular file"},
      {dir.filePath("link.pdf"), "is not a regular file"},
      {dir.filePath("missing/r.pdf"), "cannot write in"},
  };
  for (const auto& c : cases) {
    const Result r = run({"report", "--output", c.output});
    EXPECT_EQ(r.status, 5) << c.output.toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    EXPECT_EQ(r.recorded, "") << c.output.toStdString();  // the device link was never called
  }
  QFile kept(dir.filePath("target"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"folder", "link.pdf", "target"}));
}

TEST_F(ZorctlReport, UsageErrors) {
  const struct {
    QStringList args;
    const char* says;
  } cases[] = {
      {{"report"}, "report needs --output FILE.pdf"},
      {{"report", "--output", "r.pdf", "--since", "yesterday"}, "--since 'yesterday' is not a date"},
      {{"report", "--output", "r.pdf", "extra"}, "report takes 0 values"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
  }
}

}  // namespace
