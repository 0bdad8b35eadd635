#pragma once
// The service log: one line per operation that sent something to a marking
// system, from the panel and from zorctl alike, in
// $XDG_STATE_HOME/zor-maintenance/service-log.jsonl. Each line is one JSON
// object; its members, in this order, are:
//
//   time       when the operation ended, UTC, ISO 8601 with milliseconds:
//              "2026-12-09T10:11:12.345Z"
//   front_end  "panel" or "zorctl"
//   serial     the system's serial number as last identified (a number), or
//              null when no identity has been read
//   model      its model name as last identified (a string), or null
//   operation  what was done: "set max-current", "shutter close",
//              "adjust center", ...
//   value      the value sent, as sent ("" when the operation sends none);
//              never a password. A value too long for a line of
//              kMaxServiceLogLine bytes is cut and ends with "…" (which the
//              controller cannot take, so no value sent ends with it).
//   outcome    "done", "refused", "not-connected", "not-accepted" or
//              "read-failed"; "not-kept" when done, but the controller could
//              not save the change it took; for a Set read back afterwards,
//              "differs" or "unreadable" when the controller did not keep the value
//   message    what the user was told, when the outcome is not "done"
//
// Each line is appended with one write() under an exclusive flock(), so
// lines from processes writing at once (the panel and zorctl) never mix.
// Writers and readers wait for the lock at most kServiceLogLockWait: a
// program that holds it longer never stalls an operation that has been sent.

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "service/maintenance.h"
#include "service/text.h"  // OneLine, for those who show the entries

namespace zor::service {

inline constexpr std::size_t kMaxServiceLogLine = 16 * 1024;          // bytes, with the line's end
inline constexpr std::size_t kServiceLogReadLimit = 8 * 1024 * 1024;  // the newest this many bytes are read
inline constexpr std::chrono::milliseconds kServiceLogLockWait{2000};

// StateDirectory() / "service-log.jsonl".
std::filesystem::path ServiceLogPath();

class ServiceLog final : public OperationObserver {
 public:
  // Told, once, why a line could not be written (FileFailed, with why);
  // operations go on regardless.
  using ProblemReporter = std::function<void(const Outcome& problem)>;

  // frontEnd: "panel" or "zorctl"; maintenance: whose identity each line
  // names; lockWait: how long a line waits for another writer's lock.
  ServiceLog(std::string frontEnd, const Maintenance& maintenance, std::filesystem::path path,
             ProblemReporter reportProblem, std::chrono::milliseconds lockWait = kServiceLogLockWait);

  const std::filesystem::path& path() const { return path_; }

  // Appends the record's line. Never throws; a failure goes to the reporter
  // the first time only, and every later record is tried again.
  void operationEnded(const OperationRecord& record) override;

 private:
  std::string frontEnd_;
  const Maintenance& maintenance_;
  std::filesystem::path path_;
  ProblemReporter reportProblem_;
  std::chrono::milliseconds lockWait_;
  bool reported_ = false;
};

// The line for a record, with its "\n", at most kMaxServiceLogLine bytes.
std::string ServiceLogLine(std::string_view frontEnd, const std::optional<Identity>& identity,
                           const OperationRecord& record, const QDateTime& time);

struct ServiceLogEntry {
  QJsonObject object;  // the line as written
  QDateTime time;      // UTC
  QString frontEnd;
  std::optional<qint64> serial;
  QString model;  // empty when null
  QString operation;
  QString value;
  QString outcome;
  QString message;
};

struct ServiceLogContents {
  std::vector<ServiceLogEntry> entries;  // in the file's order, oldest first
  int skipped = 0;                       // lines that are not an entry
  bool olderLeftOut = false;             // the file is larger than the limit: only its newest lines were read
};

// Reads the log's entries with a time at or after since (all when nullopt).
// Only the newest limit bytes are read, starting at a whole line. The file
// must be a regular file reached without a symbolic link; a FIFO never blocks.
// The path, like the one a ServiceLog writes, must be absolute. A missing
// file is an empty log; a file that cannot be read, or a lock held by another
// program for longer than lockWait, is FileFailed, with why.
Reading<ServiceLogContents> ReadServiceLog(const std::filesystem::path& path,
                                           const std::optional<QDateTime>& since = {},
                                           std::size_t limit = kServiceLogReadLimit,
                                           std::chrono::milliseconds lockWait = kServiceLogLockWait);

// A date "2026-12-01" (midnight) or date and time "2026-12-01T08:00" or
// "2026-12-01T08:00:30" ('T' or one space between them): local time, or UTC
// with a trailing "Z". A local time that a daylight-saving gap skipped is
// the first one after it. nullopt when the text is none of these.
std::optional<QDateTime> ParseSince(std::string_view text);

}  // namespace zor::service
