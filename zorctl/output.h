#pragma once
// What zorctl prints: results on standard output (lines of text, or one JSON
// object with --json), messages on standard error, and the exit status.
// Every write to either stream passes through here: text is shown with its
// control characters made visible, and a write that fails makes the run end
// with kFileProblem, never with success.

#include <QJsonObject>
#include <QJsonValue>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "service/outcome.h"
#include "service/settings.h"
#include "service/text.h"
#include "text/people_text.h"

namespace zorctl {

enum Exit : int {
  kDone = 0,
  kRefused = 1,  // a value or the password was refused; nothing was sent
  kUsage = 2,
  kNoSystem = 3,     // no device link, no system answered, or a packet was not taken
  kReadFailed = 4,   // the controller did not answer a read
  kFileProblem = 5,  // a file, standard output or standard error could not be read or written
};

// Writes text to standard output or standard error as it is (help texts,
// prompts; text from outside goes through Visible first). A failure is kept,
// with its reason, for EndOutput.
void Write(std::FILE* stream, std::string_view text);

// UTF-8 text made safe for a terminal and one line: every control character
// (C0, DEL, C1) shown as an escape (zor::service::OneLine); a byte that is
// not UTF-8 shows as U+FFFD.
std::string Visible(std::string_view text);

// "zorctl: TEXT" on standard error, the text made Visible.
void Message(std::string_view text);

// Ends the run: flushes standard output and standard error. When a write to
// either failed, says so on standard error (while that still works) and
// returns kFileProblem; otherwise status.
int EndOutput(int status);

class Output {
 public:
  Output(bool json, bool quiet, std::string command);

  bool json() const { return json_; }
  bool quiet() const { return quiet_; }

  // A message for the user on standard error; informational ones are dropped with --quiet.
  void error(std::string_view text);
  void info(std::string_view text);
  // Something the user must know although the command did what it set out
  // to: "warning: TEXT" on standard error, even with --quiet, and in JSON
  // under "warnings". The same text is said once.
  void warning(std::string_view text);

  // A progress line on standard error, replaced by the next one and cleared
  // by endProgress(); only on a terminal, and never with --quiet.
  void progress(std::string_view text);
  void endProgress();

  // Results. In text form a line each; in JSON form members of the object.
  void line(const std::string& text);
  void set(const QString& key, const QJsonValue& value);
  void fields(const std::vector<zor::service::SettingField>& fields, const QString& under = {});

  // Ends the command: reports the outcome (its message on standard error,
  // an "error" member in JSON; a change not kept as a warning), prints the
  // results, returns the exit status.
  // JSON keeps a message's English (zor::service::SourceMessage) in every
  // language; standard error shows it in the user's.
  int finish(const zor::service::Outcome& outcome);
  int finish(int status, std::string_view message = {}, std::string_view kind = {});
  int finish(int status, const zor::text::PeopleText& message, std::string_view kind);

 private:
  int finish(int status, std::string_view message, std::string_view kind, std::string_view sourceMessage);

  bool json_;
  bool quiet_;
  bool showsProgress_;
  bool progressShown_ = false;
  QJsonObject root_;
  std::vector<std::string> lines_;
  std::vector<std::string> warnings_;
};

int ExitStatus(const zor::service::Outcome& outcome);
using zor::service::FromUtf8;
using zor::service::ToQString;
using zor::service::ToUtf8;

}  // namespace zorctl
