#include "zorctl/password_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "zorctl/output.h"

namespace zorctl {

namespace {

constexpr std::size_t kMaxPasswordFile = 4096;

std::string FirstLine(std::string text) {
  if (const auto end = text.find('\n'); end != std::string::npos) text.resize(end);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

// Reads a line from the terminal with echo off, restoring the terminal after.
std::optional<std::string> Prompt() {
  std::fputs("Service password: ", stderr);
  std::fflush(stderr);
  termios saved{};
  const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  std::string line;
  int c = 0;
  while ((c = std::fgetc(stdin)) != EOF && c != '\n' && line.size() < kMaxPasswordFile) line.push_back(static_cast<char>(c));
  if (terminal) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  std::fputc('\n', stderr);
  if (c == EOF && line.empty()) return std::nullopt;
  return FirstLine(line);
}

}  // namespace

std::optional<std::string> ReadPasswordFile(const std::string& path, std::string& problem) {
  // A pipe (--password-file <(pass show zor)) is fine; a folder or a device is not.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    problem = "cannot read the password file " + path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  struct stat st{};
  if (fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode))) {
    ::close(fd);
    problem = "the password file " + path + " is not a regular file or a pipe";
    return std::nullopt;
  }
  std::string text;
  char buffer[512];
  while (text.size() <= kMaxPasswordFile) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    if (text.find('\n') != std::string::npos) break;
  }
  ::close(fd);
  if (text.size() > kMaxPasswordFile && text.find('\n') == std::string::npos) {
    problem = "the password file " + path + " does not start with a password line";
    return std::nullopt;
  }
  return FirstLine(text);
}

PasswordResult ReadServicePassword(const std::optional<std::string>& passwordFile) {
  PasswordResult result;
  if (passwordFile) {
    if (auto text = ReadPasswordFile(*passwordFile, result.problem)) result.password = FromUtf8(*text);
    return result;
  }
  if (const char* env = std::getenv("ZOR_SERVICE_PASSWORD")) {
    result.password = FromUtf8(env);
    return result;
  }
  if (isatty(STDIN_FILENO) != 0) {
    if (auto typed = Prompt()) {
      result.password = FromUtf8(*typed);
      return result;
    }
  }
  result.problem =
      "this setting needs the service password: give --password-file FILE or ZOR_SERVICE_PASSWORD, or run "
      "zorctl on a terminal to type it";
  return result;
}

}  // namespace zorctl
