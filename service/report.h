#pragma once
// The service report's content: what a service company hands its customer
// about one marking system, as one JSON object. The service layer gathers it
// (the identity and every setting its family has, read now; the service-log
// entries of this system since a moment, its calibration rounds among them);
// the report's renderer (report/) only lays it out. Anything that could not
// be read is named as such, never shown as a value.
//
//   format, version   "zor-maintenance-report", 1
//   made, since       UTC, ISO 8601; host, tool_version: where and by what
//   identity          IdentityFields' keys, or null when it could not be read
//   settings          [{setting, keys, fields: [{key, text}]}] for each
//                     setting read, [{setting, keys, not_read: true}] for one
//                     that could not be
//   not_on_family     the settings the system's family does not have
//   log               {entries: [the log's lines], skipped, older_left_out,
//                     problem: why entries are missing, in English (absent
//                     when none are), problem_kind: which of the reasons
//                     below it is, reason: the log's own message, in
//                     the user's language, for kLogUnreadable}
//   calibrations      [{time, outcome, calibration}] of the log's "calibrate"
//                     entries that carry their measurements

#include <QDateTime>
#include <QJsonObject>
#include <string>
#include <string_view>

#include "service/service_log.h"
#include "service/snapshot.h"

namespace zor::service {

inline constexpr std::string_view kReportFormat = "zor-maintenance-report";
inline constexpr int kReportVersion = 1;

// Why the log part holds no entries: its problem_kind, so the renderer words
// the reason in the reader's language.
inline constexpr std::string_view kLogUnreadable = "log-unreadable";
inline constexpr std::string_view kIdentityUnread = "identity-unread";

struct ReportFacts {
  QDateTime made;   // when the report was made
  QDateTime since;  // the first moment whose log entries it shows
  std::string host;
  std::string toolVersion;
};

// Midnight at the start of today, local time.
QDateTime StartOfToday();
// The facts of a report made now, on this host, by this tool.
ReportFacts ReportFactsNow(const QDateTime& since);

// The content from what was read: the snapshot, and the service log as read
// (from since on; its entries of other systems are left out).
QJsonObject ReportContent(const Snapshot& snapshot, const Reading<ServiceLogContents>& log, const ReportFacts& facts);

}  // namespace zor::service
