// The service report's content: what was read and what was not, and the
// service log's entries of this system, its calibration rounds among them.
#include "service/report.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include "service/files.h"

namespace {

namespace svc = zor::service;

svc::Snapshot ReadNow() {
  svc::Snapshot s;
  svc::Identity identity;
  identity.readable = true;
  identity.info.serial = 100001;
  identity.info.model = u"NZ-SIM";
  s.identity = identity;
  s.settings = {{"min_current", u"0.50000", 0.5},
                {"max_current", u"20.00000", 20},
                {"scale_x", u"1.00200", 1.002},
                {"scale_y", u"0.99800", 0.998}};
  s.missing = {"distortion"};
  s.notOnFamily = {"controller-model", "mac"};
  return s;
}

svc::ServiceLogEntry Entry(qint64 serial, const char* operation, QJsonObject extra = {}) {
  svc::ServiceLogEntry e;
  e.serial = serial;
  e.operation = QString::fromLatin1(operation);
  e.outcome = QStringLiteral("done");
  e.time = QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC);
  e.object = extra;
  e.object.insert("serial", serial);
  e.object.insert("operation", e.operation);
  return e;
}

const svc::ReportFacts kFacts{QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC),
                              QDateTime(QDate(2026, 12, 10), QTime(0, 0), Qt::UTC), "bench-7", "1.0.0"};

QJsonObject Row(const QJsonObject& content, const char* setting) {
  for (const QJsonValue& row : content["settings"].toArray())
    if (row["setting"] == QLatin1String(setting)) return row.toObject();
  return {};
}

TEST(ReportContent, ListsWhatWasReadAndNamesWhatWasNot) {
  const QJsonObject c = svc::ReportContent(ReadNow(), svc::ServiceLogContents{}, kFacts);
  EXPECT_EQ(c["format"], "zor-maintenance-report");
  EXPECT_EQ(c["made"], "2026-12-10T12:00:00.000Z");
  EXPECT_EQ(c["since"], "2026-12-10T00:00:00.000Z");
  EXPECT_EQ(c["host"], "bench-7");
  EXPECT_EQ(c["identity"]["serial_number"], "100001");
  EXPECT_EQ(c["identity"]["system_name"], "NZ-SIM");
  EXPECT_EQ(Row(c, "currents")["fields"], QJsonArray({QJsonObject{{"key", "min_current"}, {"text", "0.50000"}},
                                                      QJsonObject{{"key", "max_current"}, {"text", "20.00000"}}}));
  // A failed read is not read, with the keys it would have had, and no value.
  const QJsonObject distortion = Row(c, "distortion");
  EXPECT_EQ(distortion["not_read"], true);
  EXPECT_EQ(distortion["keys"], QJsonArray({"distortion_x", "distortion_y"}));
  EXPECT_FALSE(distortion.contains("fields"));
  // What the family lacks is named apart, never as a row.
  EXPECT_TRUE(Row(c, "mac").isEmpty());
  EXPECT_EQ(c["not_on_family"], QJsonArray({"controller-model", "mac"}));
  // A setting of the family whose read never came (the system went away) is not read either.
  EXPECT_EQ(Row(c, "ship-id")["not_read"], true);
}

TEST(ReportContent, TakesThisSystemsEntriesAndItsCalibrationRounds) {
  const QJsonObject round{{"measured", QJsonObject{{"width_mm", 55.79}, {"height_mm", 54.15}}},
                          {"nominal_mm", 55.0125}};
  svc::ServiceLogContents log;
  log.entries = {Entry(100001, "set lens"), Entry(100002, "set lens"),
                 Entry(100001, "calibrate", {{"calibration", round}}),
                 Entry(100002, "calibrate", {{"calibration", round}}),
                 Entry(100001, "calibrate")};  // no measurements: an entry, no round
  log.skipped = 2;
  const QJsonObject c = svc::ReportContent(ReadNow(), log, kFacts);
  const QJsonArray entries = c["log"]["entries"].toArray();
  ASSERT_EQ(entries.size(), 3);
  for (const QJsonValue& e : entries) EXPECT_EQ(e["serial"], 100001);
  EXPECT_EQ(c["log"]["skipped"], 2);
  EXPECT_FALSE(c["log"].toObject().contains("problem"));
  const QJsonArray rounds = c["calibrations"].toArray();
  ASSERT_EQ(rounds.size(), 1);
  EXPECT_EQ(rounds[0]["calibration"], round);
  EXPECT_EQ(rounds[0]["time"], "2026-12-10T09:00:00.000Z");
  EXPECT_EQ(rounds[0]["outcome"], "done");
}

TEST(ReportContent, SaysWhyEntriesAreMissing) {
  svc::ServiceLogContents log;
  log.entries = {Entry(100001, "set lens")};
  svc::Snapshot unidentified = ReadNow();
  unidentified.identity.reset();
  const struct {
    svc::Snapshot snapshot;
    svc::Reading<svc::ServiceLogContents> log;
    const char* problem;
    const char* kind;
    QJsonValue reason;
  } cases[] = {
      // The problem keeps the English of the record; the reason is what the person read.
      {ReadNow(),
       svc::FileFailed({QStringLiteral("cannot open /x: Permission denied"),
                        QStringLiteral("kann /x nicht \u00f6ffnen: Permission denied")}),
       "the service log could not be read: cannot open /x: Permission denied", "log-unreadable",
       QStringLiteral("kann /x nicht \u00f6ffnen: Permission denied")},
      {unidentified, log, "the system's identity could not be read, so its entries are not known", "identity-unread",
       QJsonValue::Undefined},
  };
  for (const auto& t : cases) {
    const QJsonObject c = svc::ReportContent(t.snapshot, t.log, kFacts);
    EXPECT_EQ(c["log"]["problem"], t.problem);
    EXPECT_EQ(c["log"]["problem_kind"], t.kind);
    EXPECT_EQ(c["log"]["reason"], t.reason);
    EXPECT_EQ(c["log"]["entries"], QJsonArray());
    EXPECT_EQ(c["calibrations"], QJsonArray());
  }
  EXPECT_EQ(svc::ReportContent(unidentified, log, kFacts)["identity"], QJsonValue::Null);
}

}  // namespace
