#include "zorctl/password_input.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/errno_text.h"
#include "files/unique_fd.h"
#include "zorctl/output.h"
#include "zorctl/people.h"

namespace zor::zorctl {

namespace {

using zor::service::Input;
using zor::service::Outcome;
using zor::service::Reading;

Outcome Refused(const PeopleText& why) { return Outcome::refused(Input::Password, why); }

// Why the file could not be read: errno's reason after the path.
PeopleText CannotRead(const std::string& path) {
  const QString reason = QString::fromLocal8Bit(std::strerror(errno));
  return Args(Tr("zorctl::Password", "cannot read the password file %1: %2"), Value(path), reason);
}

constexpr std::size_t kMaxPasswordFile = 4096;

std::string FirstLine(std::string text) {
  if (const auto end = text.find('\n'); end != std::string::npos) text.resize(end);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

// Reads a line from the terminal with echo off, restoring the terminal after.
std::optional<std::string> Prompt() {
  Write(stderr, Local(Tr("zorctl::Password", "Service password: ")));
  termios saved{};
  const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  std::string line;
  int c = 0;
  while ((c = std::fgetc(stdin)) != EOF && c != '\n' && line.size() < kMaxPasswordFile)
    line.push_back(static_cast<char>(c));
  if (terminal) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  Write(stderr, "\n");
  if (c == EOF && line.empty()) return std::nullopt;
  return FirstLine(line);
}

// ZOR_SERVICE_PASSWORD, taken as a file's first line is: without a final
// line ending (a value read from a file or a CRLF file keeps one). Empty
// counts as unset.
std::optional<std::string> PasswordFromEnvironment() {
  const char* env = std::getenv("ZOR_SERVICE_PASSWORD");
  if (env == nullptr) return std::nullopt;
  std::string text = env;
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace

Reading<std::string> ReadPasswordFile(const std::string& path, std::chrono::milliseconds wait) {
  // A pipe (--password-file <(pass show zor)) is fine; a folder or a device is
  // not. Opened without blocking: open() on a FIFO would wait for a writer
  // for ever.
  const zor::files::UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  const int fd = file.get();
  if (fd < 0) return Refused(CannotRead(path));
  struct stat st {};
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode)))
    return Refused(Tr("zorctl::Password", "the password file %1 is not a regular file or a pipe").arg(Value(path)));
  // A pipe's writer may come, and write, later: each read waits for it, all
  // of them together at most wait. A pipe without a writer reads as the end.
  const bool pipe = S_ISFIFO(st.st_mode);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::string text;
  char buffer[512];
  while (text.size() <= kMaxPasswordFile) {
    if (pipe) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      pollfd ready{fd, POLLIN, 0};
      const int polled = left.count() > 0 ? ::poll(&ready, 1, static_cast<int>(left.count())) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled < 0) return Refused(CannotRead(path));
      if (polled == 0) {
        return Refused(Args(Tr("zorctl::Password", "no program wrote a password line to the pipe %1 within %2"),
                            Value(path), Value(zor::service::DurationText(wait))));
      }
    }
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) return Refused(CannotRead(path));
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    if (text.find('\n') != std::string::npos) break;
  }
  if (text.size() > kMaxPasswordFile && text.find('\n') == std::string::npos)
    return Refused(Tr("zorctl::Password", "the password file %1 does not start with a password line").arg(Value(path)));
  return FirstLine(text);
}

Reading<std::u16string> ReadServicePassword(const std::optional<std::string>& passwordFile) {
  if (passwordFile) {
    const Reading<std::string> line = ReadPasswordFile(*passwordFile);
    if (!line.ok()) return Outcome(line);
    return FromUtf8(line.value);
  }
  if (auto given = PasswordFromEnvironment()) return FromUtf8(*given);
  if (isatty(STDIN_FILENO) != 0) {
    if (auto typed = Prompt()) return FromUtf8(*typed);
  }
  return Refused(Tr("zorctl::Password",
                    "this setting needs the service password: give --password-file FILE or ZOR_SERVICE_PASSWORD, "
                    "or run zorctl on a terminal to type it"));
}

}  // namespace zor::zorctl
