#include "service/service_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDate>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTime>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

#include "files/lock_wait.h"
#include "files/own_file.h"
#include "files/state_folder.h"
#include "service/files.h"
#include "service/text.h"

namespace zor::service {

namespace {

constexpr std::size_t kMaxMessageBytes = 4096;
constexpr std::string_view kCut = "\u2026";  // ends a value cut to fit its line

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Without XDG_STATE_HOME and HOME the state folder would be relative to
// wherever the program was started: not a place to keep a log.
Outcome Absolute(const std::filesystem::path& path) {
  if (path.is_absolute()) return Outcome::done();
  return FileFailed(text::Tr("zor::service::ServiceLog",
                             "the service log has no place: neither XDG_STATE_HOME nor HOME names an absolute folder"));
}

// One UTF-8 character (or one byte of ASCII) as it stands inside a JSON string.
void AppendEscaped(std::string& out, std::string_view character) {
  const auto c = static_cast<unsigned char>(character.front());
  if (character.size() > 1 || (c >= 0x20 && c != '"' && c != '\\')) {
    out += character;
    return;
  }
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default: {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    }
  }
}

// The escaped characters of bytes that fit in budget bytes; cut: not all did.
std::string Escape(std::string_view bytes, std::size_t budget, bool& cut) {
  std::string out;
  cut = false;
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t end = i + 1;
    while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) ++end;
    const std::size_t before = out.size();
    AppendEscaped(out, bytes.substr(i, end - i));
    if (out.size() > budget) {
      out.resize(before);
      cut = true;
      break;
    }
    i = end;
  }
  return out;
}

// The text as a JSON string of at most maxBytes bytes, quotes included; one
// that does not fit is cut at a whole character and ends with kCut.
std::string JsonString(const QString& text, std::size_t maxBytes = SIZE_MAX) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  const std::size_t budget = maxBytes > 2 ? maxBytes - 2 : 0;
  bool cut = false;
  std::string inner = Escape(bytes, budget, cut);
  if (cut) inner = Escape(bytes, budget > kCut.size() ? budget - kCut.size() : 0, cut) + std::string(kCut);
  return "\"" + inner + "\"";
}

std::string JsonString(std::u16string_view text, std::size_t maxBytes = SIZE_MAX) {
  return JsonString(ToQString(text), maxBytes);
}

// Takes the flock (LOCK_EX or LOCK_SH), waiting at most wait for another
// program to let it go. FileFailed, with the reason, when it could not be taken.
Outcome LockWithin(int fd, int operation, std::chrono::milliseconds wait, const std::filesystem::path& path) {
  const files::Result<bool> taken = files::lockWithin(fd, operation, wait, path);
  if (!taken)
    return FileFailed(
        text::Tr("zor::service::ServiceLog", "cannot lock %1: %2").args(PathText(path), ErrnoText(taken.error())));
  if (!*taken) {
    return FileFailed(text::Tr("zor::service::ServiceLog", "another program has held the lock on %1 for more than %2")
                          .args(PathText(path), QString::fromStdString(DurationText(wait))));
  }
  return Outcome::done();
}

// The log file, ours to use: a regular file of this user, reached without a
// symbolic link. Not found: nothing is there (and flags do not create it).
Reading<files::OwnFile> OpenLog(const std::filesystem::path& path, int flags) {
  files::Result<files::OwnFile> opened = files::openOwnFile(path, flags, SIZE_MAX);
  if (opened) return std::move(*opened);
  switch (opened.error()) {
    case files::kIsLink:
      return FileFailed(SymbolicLinkText(path));
    case files::kIsFolder:
    case files::kNotRegular:
      return FileFailed(NotRegularFileText(path));
    case files::kAnotherUsers:
      return FileFailed(text::Tr("zor::service::ServiceLog", "%1 belongs to another user").args(PathText(path)));
    default:
      return FileFailed(FileCallFailedText(FileCall::Open, path, opened.error()));
  }
}

// Appends the line with one write() under an exclusive lock: a line from
// another process lands before or after it, never inside.
Outcome AppendLine(const std::filesystem::path& path, const std::string& line, std::chrono::milliseconds lockWait) {
  if (Outcome placed = Absolute(path); !placed.ok()) return placed;
  if (Outcome folder = EnsureDirectory(path.parent_path()); !folder.ok()) return folder;
  Reading<files::OwnFile> file = OpenLog(path, O_WRONLY | O_APPEND | O_CREAT);
  if (!file.ok()) return file;
  const int fd = file.value.fd.get();
  if (Outcome locked = LockWithin(fd, LOCK_EX, lockWait, path); !locked.ok()) return locked;
  // Where the line starts, so a write cut short can be taken back.
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    return FileFailed(
        text::Tr("zor::service::ServiceLog", "cannot read the size of %1: %2").args(PathText(path), ErrnoText(error)));
  }
  ssize_t written;
  do {
    written = ::write(fd, line.data(), line.size());
  } while (written < 0 && errno == EINTR);
  if (written == static_cast<ssize_t>(line.size())) return Outcome::done();
  if (written < 0) return FileFailed(FileCallFailedText(FileCall::Write, path, errno));
  if (written > 0 && ::ftruncate(fd, st.st_size) != 0)
    return FileFailed(text::Tr("zor::service::ServiceLog", "cannot write the whole line to %1 (a part of it is left)")
                          .args(PathText(path)));
  return FileFailed(text::Tr("zor::service::ServiceLog", "cannot write the whole line to %1").args(PathText(path)));
}

std::optional<ServiceLogEntry> ParseEntry(std::string_view line) {
  QJsonParseError error{};
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  ServiceLogEntry entry;
  entry.object = document.object();
  const QJsonObject& o = entry.object;
  if (!o.value(u"time").isString() || !o.value(u"operation").isString() || !o.value(u"outcome").isString())
    return std::nullopt;
  entry.time = QDateTime::fromString(o.value(u"time").toString(), Qt::ISODateWithMs).toUTC();
  if (!entry.time.isValid()) return std::nullopt;
  if (o.value(u"serial").isDouble()) entry.serial = o.value(u"serial").toInteger();
  entry.frontEnd = o.value(u"front_end").toString();
  entry.model = o.value(u"model").toString();
  entry.operation = o.value(u"operation").toString();
  entry.value = o.value(u"value").toString();
  entry.outcome = o.value(u"outcome").toString();
  entry.message = o.value(u"message").toString();
  return entry;
}

}  // namespace

std::filesystem::path ServiceLogPath() {
  const files::Result<std::filesystem::path> folder = files::stateFolder(std::getenv);
  // Without a state folder the bare name, which the log refuses as not absolute.
  return (folder ? *folder : std::filesystem::path()) / "service-log.jsonl";
}

ServiceLog::ServiceLog(std::string frontEnd, const Maintenance& maintenance, std::filesystem::path path,
                       ProblemReporter reportProblem, std::chrono::milliseconds lockWait)
    : frontEnd_(std::move(frontEnd)),
      maintenance_(maintenance),
      path_(std::move(path)),
      reportProblem_(std::move(reportProblem)),
      lockWait_(lockWait) {}

void ServiceLog::operationEnded(const OperationRecord& record) {
  Outcome problem;
  try {
    const std::string line =
        ServiceLogLine(frontEnd_, maintenance_.identity(), record, QDateTime::currentDateTimeUtc());
    problem = AppendLine(path_, line, lockWait_);
    if (problem.ok()) return;
  } catch (const std::exception& e) {
    // What the exception says is the library's, as it says it.
    const QString what = QString::fromUtf8(e.what());
    problem = FileFailed(text::Tr("zor::service::ServiceLog", "cannot write %1: %2").args(PathText(path_), what));
  } catch (...) {
    problem = FileFailed(text::Tr("zor::service::ServiceLog", "cannot write %1").args(PathText(path_)));
  }
  if (reported_) return;
  reported_ = true;
  try {
    if (reportProblem_) reportProblem_(problem);
  } catch (...) {
    // The operation has been done; telling about its log line must not undo that.
  }
}

std::string ServiceLogLine(std::string_view frontEnd, const std::optional<Identity>& identity,
                           const OperationRecord& record, const QDateTime& time) {
  const bool known = identity && identity->readable;
  std::string head = "{\"time\":" + JsonString(time.toUTC().toString(Qt::ISODateWithMs));
  head += ",\"front_end\":" + JsonString(QString::fromUtf8(frontEnd.data(), static_cast<qsizetype>(frontEnd.size())));
  head += ",\"serial\":" + (known ? std::to_string(identity->info.serial) : std::string("null"));
  head += ",\"model\":" + (known ? JsonString(identity->info.model) : std::string("null"));
  head += ",\"operation\":" + JsonString(record.operation);
  head += ",\"value\":";
  const bool readBack = !record.readBack.empty();
  const std::string_view outcome = readBack ? record.readBack : OutcomeName(record.outcome);
  std::string tail = ",\"outcome\":\"" + std::string(outcome) + "\"";
  if (!record.outcome.ok() || readBack || record.outcome.notKept)
    tail += ",\"message\":" + JsonString(FullSourceMessage(record.outcome), kMaxMessageBytes);
  if (!record.extraJson.empty()) tail += "," + record.extraJson;
  tail += "}\n";
  // The value takes what is left of the line; everything else is short.
  const std::size_t fixed = head.size() + tail.size();
  const std::size_t room = kMaxServiceLogLine > fixed ? kMaxServiceLogLine - fixed : 0;
  return head + JsonString(record.value, room) + tail;
}

Reading<ServiceLogContents> ReadServiceLog(const std::filesystem::path& path, const std::optional<QDateTime>& since,
                                           std::size_t limit, std::chrono::milliseconds lockWait) {
  if (Outcome placed = Absolute(path); !placed.ok()) return placed;
  Reading<files::OwnFile> file = OpenLog(path, O_RDONLY);
  if (!file.ok()) return Outcome(file);
  if (!file.value.found()) return ServiceLogContents{};
  const int fd = file.value.fd.get();
  // Writers hold the lock for one write() each: no line is read half written.
  if (Outcome locked = LockWithin(fd, LOCK_SH, lockWait, path); !locked.ok()) return locked;
  struct stat st {};
  if (::fstat(fd, &st) != 0) return FileFailed(FileCallFailedText(FileCall::Read, path, errno));
  const auto size = static_cast<std::size_t>(st.st_size);
  // From one byte before the newest limit bytes: it tells whether they start a line.
  const bool olderLeftOut = size > limit;
  const std::size_t start = olderLeftOut ? size - limit - 1 : 0;
  std::string bytes(size - start, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(start + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileFailed(FileCallFailedText(FileCall::Read, path, errno));
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  ::flock(fd, LOCK_UN);

  ServiceLogContents contents;
  std::string_view text(bytes);
  if (olderLeftOut) {
    contents.olderLeftOut = true;
    const std::size_t end = text.find('\n');
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
    std::optional<ServiceLogEntry> entry = ParseEntry(line);
    if (!entry) {
      ++contents.skipped;
    } else if (!since || entry->time >= *since) {
      contents.entries.push_back(std::move(*entry));
    }
  }
  return contents;
}

std::optional<QDateTime> ParseSince(std::string_view text) {
  QString given = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  Qt::TimeSpec zone = Qt::LocalTime;
  if (given.endsWith(u'Z')) {
    zone = Qt::UTC;
    given.chop(1);
  }
  const QDate date = QDate::fromString(given.left(10), u"yyyy-MM-dd");
  if (given.size() < 10 || !date.isValid()) return std::nullopt;
  QTime time(0, 0);
  if (given.size() > 10) {
    if (given[10] != u'T' && given[10] != u' ') return std::nullopt;
    const QString clock = given.mid(11);
    time = QTime::fromString(clock, clock.size() == 5 ? u"HH:mm" : u"HH:mm:ss");
    if (!time.isValid()) return std::nullopt;
  }
  QDateTime since(date, time, zone);
  // A local time the clocks skipped (a daylight-saving gap) does not exist:
  // the first that does after it is the minute the clocks were put forward
  // to (02:30 becomes 03:00). No gap is longer than a day.
  const QDateTime wallClock(date, QTime(time.hour(), time.minute()), Qt::UTC);  // counts minutes, no gaps
  for (int minutes = 1; !since.isValid() && minutes <= 24 * 60; ++minutes) {
    const QDateTime later = wallClock.addSecs(60 * minutes);
    since = QDateTime(later.date(), later.time(), zone);
  }
  if (!since.isValid()) return std::nullopt;
  return since;
}

}  // namespace zor::service
