#include "zorctl/output.h"

#include <QJsonDocument>
#include <QString>
#include <cstdio>

namespace zorctl {

namespace {

// The JSON error's kind; a done outcome has none.
std::string_view KindOf(zor::service::Status status) {
  return status == zor::service::Status::Done ? std::string_view() : zor::service::StatusName(status);
}

}  // namespace

int ExitStatus(const zor::service::Outcome& outcome) {
  switch (outcome.status) {
    case zor::service::Status::Done: return kDone;
    case zor::service::Status::Refused: return kRefused;
    case zor::service::Status::NotConnected:
    case zor::service::Status::NotAccepted: return kNoSystem;
    case zor::service::Status::ReadFailed: return kReadFailed;
  }
  return kNoSystem;
}

Output::Output(bool json, bool quiet, std::string command) : json_(json), quiet_(quiet) {
  root_.insert(QStringLiteral("command"), QString::fromStdString(command));
}

void Output::error(std::string_view text) {
  std::fprintf(stderr, "zorctl: %.*s\n", static_cast<int>(text.size()), text.data());
}

void Output::info(std::string_view text) {
  if (!quiet_) error(text);
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
  return finish(ExitStatus(outcome), ToUtf8(outcome.message), KindOf(outcome.status));
}

int Output::finish(int status, std::string_view message, std::string_view kind) {
  if (!message.empty()) error(message);
  if (json_) {
    root_.insert(QStringLiteral("ok"), status == kDone);
    root_.insert(QStringLiteral("exit_status"), status);
    if (status != kDone) {
      QJsonObject problem;
      problem.insert(QStringLiteral("kind"), QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
      problem.insert(QStringLiteral("message"),
                     QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
      root_.insert(QStringLiteral("error"), problem);
    }
    const QByteArray text = QJsonDocument(root_).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fputc('\n', stdout);
  } else {
    for (const auto& l : lines_) std::printf("%s\n", l.c_str());
  }
  std::fflush(stdout);
  return status;
}

}  // namespace zorctl
