#pragma once
// What zorctl prints: results on standard output (lines of text, or one JSON
// object with --json), messages on standard error, and the exit status.

#include <QJsonObject>
#include <QJsonValue>
#include <string>
#include <string_view>
#include <vector>

#include "service/outcome.h"
#include "service/settings.h"
#include "service/text.h"

namespace zorctl {

enum Exit : int {
  kDone = 0,
  kRefused = 1,      // a value or the password was refused; nothing was sent
  kUsage = 2,
  kNoSystem = 3,     // no device link, no system answered, or a packet was not taken
  kReadFailed = 4,   // the controller did not answer a read
  kFileProblem = 5,  // a file could not be read or written
};

class Output {
 public:
  Output(bool json, bool quiet, std::string command);

  bool json() const { return json_; }
  bool quiet() const { return quiet_; }

  // A message for the user on standard error; informational ones are dropped with --quiet.
  void error(std::string_view text);
  void info(std::string_view text);

  // Results. In text form a line each; in JSON form members of the object.
  void line(const std::string& text);
  void set(const QString& key, const QJsonValue& value);
  void fields(const std::vector<zor::service::SettingField>& fields, const QString& under = {});

  // Ends the command: reports the outcome (its message on standard error,
  // an "error" member in JSON), prints the results, returns the exit status.
  int finish(const zor::service::Outcome& outcome);
  int finish(int status, std::string_view message = {}, std::string_view kind = {});

 private:
  bool json_;
  bool quiet_;
  QJsonObject root_;
  std::vector<std::string> lines_;
};

int ExitStatus(const zor::service::Outcome& outcome);
using zor::service::FromUtf8;
using zor::service::ToQString;
using zor::service::ToUtf8;

}  // namespace zorctl
