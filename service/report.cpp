#include "service/report.h"

#include <unistd.h>

#include <QJsonArray>
#include <algorithm>
#include <climits>

#include "service/settings.h"

namespace zor::service {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Iso(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

// Each setting the family has, in the table's order: its fields as read, or
// that it could not be read.
QJsonArray SettingRows(const Snapshot& snapshot) {
  QJsonArray rows;
  for (const Setting& setting : Settings()) {
    if (setting.read == nullptr) continue;
    const auto listed = [&](const std::vector<std::string>& names) {
      return std::find(names.begin(), names.end(), setting.name) != names.end();
    };
    if (listed(snapshot.notOnFamily)) continue;
    QJsonObject row{{QStringLiteral("setting"), Q(setting.name)}};
    QJsonArray keys, fields;
    for (const SettingKey& key : setting.keys) {
      if (key.name.empty()) continue;
      keys.append(Q(key.name));
      if (const SettingField* field = snapshot.find(key.name))
        fields.append(
            QJsonObject{{QStringLiteral("key"), Q(field->key)}, {QStringLiteral("text"), ToQString(field->text)}});
    }
    // A setting whose read failed, or was never made because the system went
    // away before it, is not read; so is one that read nothing at all.
    row.insert(QStringLiteral("keys"), keys);
    if (listed(snapshot.missing) || fields.isEmpty())
      row.insert(QStringLiteral("not_read"), true);
    else
      row.insert(QStringLiteral("fields"), fields);
    rows.append(row);
  }
  return rows;
}

QJsonObject LogPart(const Snapshot& snapshot, const Reading<ServiceLogContents>& log, QJsonArray& calibrations) {
  QJsonObject part;
  QJsonArray entries;
  if (!log.ok()) {
    // problem: the record's English; reason: the log's message as the person reads it.
    part.insert(QStringLiteral("problem"),
                QStringLiteral("the service log could not be read: ") + ToQString(SourceMessage(log)));
    part.insert(QStringLiteral("problem_kind"), Q(kLogUnreadable));
    part.insert(QStringLiteral("reason"), ToQString(log.message));
  } else if (!snapshot.identity || !snapshot.identity->readable) {
    part.insert(QStringLiteral("problem"),
                QStringLiteral("the system's identity could not be read, so its entries are not known"));
    part.insert(QStringLiteral("problem_kind"), Q(kIdentityUnread));
  } else {
    const qint64 serial = snapshot.identity->info.serial;
    for (const ServiceLogEntry& e : log.value.entries) {
      if (e.serial != serial) continue;
      entries.append(e.object);
      const QJsonValue calibration = e.object.value(QLatin1String("calibration"));
      if (e.operation == QLatin1String("calibrate") && calibration.isObject()) {
        calibrations.append(QJsonObject{{QStringLiteral("time"), Iso(e.time)},
                                        {QStringLiteral("outcome"), e.outcome},
                                        {QStringLiteral("calibration"), calibration}});
      }
    }
    part.insert(QStringLiteral("skipped"), log.value.skipped);
    part.insert(QStringLiteral("older_left_out"), log.value.olderLeftOut);
  }
  part.insert(QStringLiteral("entries"), entries);
  return part;
}

}  // namespace

QDateTime StartOfToday() { return QDate::currentDate().startOfDay(); }

ReportFacts ReportFactsNow(const QDateTime& since) {
  char host[HOST_NAME_MAX + 1] = {};
  if (gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
  return {QDateTime::currentDateTimeUtc(), since, host, ZOR_VERSION};
}

QJsonObject ReportContent(const Snapshot& snapshot, const Reading<ServiceLogContents>& log, const ReportFacts& facts) {
  QJsonObject root{
      {QStringLiteral("format"), Q(kReportFormat)},
      {QStringLiteral("version"), kReportVersion},
      {QStringLiteral("made"), Iso(facts.made)},
      {QStringLiteral("since"), Iso(facts.since)},
      {QStringLiteral("host"), QString::fromStdString(facts.host)},
      {QStringLiteral("tool_version"), QString::fromStdString(facts.toolVersion)},
  };
  QJsonValue identity = QJsonValue::Null;
  if (snapshot.identity && snapshot.identity->readable) {
    QJsonObject fields;
    for (const SettingField& f : IdentityFields(*snapshot.identity))
      fields.insert(QString::fromStdString(f.key), ToQString(f.text));
    identity = fields;
  }
  root.insert(QStringLiteral("identity"), identity);
  root.insert(QStringLiteral("settings"), SettingRows(snapshot));
  QJsonArray notOnFamily;
  for (const std::string& name : snapshot.notOnFamily) notOnFamily.append(QString::fromStdString(name));
  root.insert(QStringLiteral("not_on_family"), notOnFamily);
  QJsonArray calibrations;
  root.insert(QStringLiteral("log"), LogPart(snapshot, log, calibrations));
  root.insert(QStringLiteral("calibrations"), calibrations);
  return root;
}

}  // namespace zor::service
