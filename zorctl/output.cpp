#include "zorctl/output.h"

#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/errno_text.h"
#include "zorctl/people.h"

namespace zor::zorctl {

namespace {

// The errno of the first write to standard output and to standard error
// that failed; -1 when the reason is not known, 0 while none has failed.
int g_outputError = 0;
int g_errorError = 0;

int& ErrorOf(std::FILE* stream) { return stream == stderr ? g_errorError : g_outputError; }

void NoteFailure(std::FILE* stream, int error) {
  if (ErrorOf(stream) == 0) ErrorOf(stream) = error != 0 ? error : -1;
}

void Flush(std::FILE* stream) {
  errno = 0;
  if (std::fflush(stream) != 0) NoteFailure(stream, errno);
}

// The JSON error's kind; a done outcome has none.
std::string_view KindOf(zor::service::Status status) {
  return status == zor::service::Status::Done ? std::string_view() : zor::service::StatusName(status);
}

}  // namespace

void Write(std::FILE* stream, std::string_view text) {
  errno = 0;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size()) NoteFailure(stream, errno);
  if (stream == stderr) Flush(stderr);  // messages and prompts show at once, in order
}

std::string Visible(std::string_view text) { return zor::service::OneLine(text); }

void Message(std::string_view text) { Write(stderr, "zorctl: " + Visible(text) + "\n"); }

int EndOutput(int status) {
  // A stream's error flag also holds failures of writes made elsewhere (the
  // device link's warnings, Qt's messages).
  Flush(stdout);
  if (std::ferror(stdout) != 0) NoteFailure(stdout, 0);
  if (g_outputError != 0) {
    Message(Local(g_outputError > 0 ? Tr("zorctl::Output", "standard output could not be written: %1")
                                          .arg(QString::fromLocal8Bit(std::strerror(g_outputError)))
                                    : Tr("zorctl::Output", "standard output could not be written")));
  }
  Flush(stderr);
  if (std::ferror(stderr) != 0) NoteFailure(stderr, 0);
  return g_outputError != 0 || g_errorError != 0 ? kFileProblem : status;
}

int ExitStatus(const zor::service::Outcome& outcome) {
  switch (outcome.status) {
    case zor::service::Status::Done:
      return kDone;
    case zor::service::Status::Refused:
      return kRefused;
    case zor::service::Status::NotConnected:
    case zor::service::Status::NotAccepted:
    case zor::service::Status::NoDeviceLink:
      return kNoSystem;
    case zor::service::Status::ReadFailed:
      return kReadFailed;
    case zor::service::Status::FileFailed:
      return kFileProblem;
  }
  return kNoSystem;
}

Output::Output(bool json, bool quiet, std::string command)
    : json_(json), quiet_(quiet), showsProgress_(!quiet && isatty(STDERR_FILENO) != 0) {
  root_.insert(QStringLiteral("command"), QString::fromStdString(command));
}

void Output::error(std::string_view text) { Message(text); }

void Output::info(std::string_view text) {
  if (!quiet_) error(text);
}

void Output::warning(std::string_view text) {
  if (std::find(warnings_.begin(), warnings_.end(), text) != warnings_.end()) return;
  warnings_.emplace_back(text);
  error(Local(
      Tr("zorctl::Output", "warning: %1").arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))));
}

void Output::progress(std::string_view text) {
  if (!showsProgress_) return;
  Write(stderr, "\r\033[Kzorctl: " + Visible(text));
  progressShown_ = true;
}

void Output::endProgress() {
  if (progressShown_) Write(stderr, "\r\033[K");
  progressShown_ = false;
}

void Output::line(const std::string& text) { lines_.push_back(text); }

void Output::set(const QString& key, const QJsonValue& value) { root_.insert(key, value); }

void Output::fields(const std::vector<zor::service::SettingField>& fields, const QString& under) {
  QJsonObject object;
  for (const auto& f : fields) {
    const QString key = QString::fromStdString(f.key);
    object.insert(key, f.number ? QJsonValue(*f.number) : QJsonValue(ToQString(f.text)));
  }
  if (json_) {
    if (under.isEmpty()) {
      for (auto it = object.begin(); it != object.end(); ++it) root_.insert(it.key(), it.value());
    } else {
      root_.insert(under, object);
    }
    return;
  }
  // One value alone prints bare, for scripts; several as "key: value".
  if (fields.size() == 1 && under.isEmpty()) {
    lines_.push_back(ToUtf8(fields.front().text));
    return;
  }
  for (const auto& f : fields) lines_.push_back(f.key + ": " + ToUtf8(f.text));
}

int Output::finish(const zor::service::Outcome& outcome) {
  if (outcome.notKept) warning(ToUtf8(zor::service::kNotKeptMessage));
  return finish(ExitStatus(outcome), ToUtf8(outcome.message), KindOf(outcome.status),
                ToUtf8(zor::service::SourceMessage(outcome)));
}

int Output::finish(int status, std::string_view message, std::string_view kind) {
  return finish(status, message, kind, message);
}

int Output::finish(int status, const zor::text::PeopleText& message, std::string_view kind) {
  return finish(status, message.local().toStdString(), kind, message.source().toStdString());
}

int Output::finish(int status, std::string_view message, std::string_view kind, std::string_view sourceMessage) {
  if (!message.empty()) error(message);
  if (json_) {
    root_.insert(QStringLiteral("ok"), status == kDone);
    root_.insert(QStringLiteral("exit_status"), status);
    if (status != kDone) {
      QJsonObject problem;
      problem.insert(QStringLiteral("kind"), QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
      problem.insert(QStringLiteral("message"),
                     QString::fromUtf8(sourceMessage.data(), static_cast<qsizetype>(sourceMessage.size())));
      root_.insert(QStringLiteral("error"), problem);
    }
    if (!warnings_.empty()) {
      QJsonArray warnings;
      for (const std::string& w : warnings_) warnings.append(QString::fromStdString(w));
      root_.insert(QStringLiteral("warnings"), warnings);
    }
    const QByteArray text = QJsonDocument(root_).toJson(QJsonDocument::Compact) + '\n';
    Write(stdout, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  } else {
    for (const auto& l : lines_) Write(stdout, Visible(l) + "\n");
  }
  Flush(stdout);  // before any question on standard error
  return status;
}

}  // namespace zor::zorctl
