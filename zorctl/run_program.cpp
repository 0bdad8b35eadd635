#include "zorctl/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/errno_text.h"
#include "link/load_device_link.h"
#include "service/text.h"
#include "zorctl/people.h"

extern char** environ;

namespace zor::zorctl {

namespace {

constexpr std::size_t kMaxErr = 64 * 1024;

// Why the program did not run as it should, in English and in the user's language.
void Tell(ProgramRun& run, const PeopleText& why) {
  run.why = why.source().toStdString();
  run.localWhy = Local(why);
}

QString Error(int number) { return QString::fromLocal8Bit(std::strerror(number)); }

// A writer gone before it read all its input is an answer, not a reason to
// end zorctl: the pipe's SIGPIPE is ignored while a program runs.
class NoSigpipe {
 public:
  NoSigpipe() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &old_);
  }
  ~NoSigpipe() { sigaction(SIGPIPE, &old_, nullptr); }

 private:
  struct sigaction old_ {};
};

struct Pipe {
  int read = -1, write = -1;
  bool open() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    read = fds[0];
    write = fds[1];
    return true;
  }
  ~Pipe() {
    if (read >= 0) close(read);
    if (write >= 0) close(write);
  }
  static void drop(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
};

}  // namespace

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input,
                      std::chrono::milliseconds bound, std::size_t maxOutput) {
  ProgramRun run;
  Pipe in, out, err;
  if (!in.open() || !out.open() || !err.open()) {
    Tell(run, Tr("zorctl::RunProgram", "cannot make a pipe: %1").arg(Error(errno)));
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    Tell(run, Args(Tr("zorctl::RunProgram", "cannot run %1: %2"), Value(path), Error(spawned)));
    return run;
  }
  Pipe::drop(in.read);
  Pipe::drop(out.write);
  Pipe::drop(err.write);
  for (int fd : {in.write, out.read, err.read}) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);

  const NoSigpipe noSigpipe;
  const auto deadline = std::chrono::steady_clock::now() + bound;
  std::size_t written = 0;
  if (input.empty()) Pipe::drop(in.write);
  bool timedOut = false, tooLarge = false;
  while (out.read >= 0 || err.read >= 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timedOut = true;
      break;
    }
    pollfd fds[3] = {{in.write, POLLOUT, 0}, {out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
    if (poll(fds, 3, static_cast<int>(std::min<long long>(left.count() + 1, 1000))) < 0) {
      if (errno == EINTR) continue;
      Tell(run, Args(Tr("zorctl::RunProgram", "cannot wait for %1: %2"), Value(path), Error(errno)));
      timedOut = true;
      break;
    }
    if (in.write >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
      const ssize_t n = write(in.write, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) Pipe::drop(in.write);
    }
    auto drain = [&](pollfd& p, int& fd, std::string& into, std::size_t cap) {
      if (fd < 0 || (p.revents & (POLLIN | POLLERR | POLLHUP)) == 0) return;
      char chunk[65536];
      const ssize_t n = read(fd, chunk, sizeof chunk);
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        Pipe::drop(fd);
      } else if (n > 0) {
        if (into.size() + static_cast<std::size_t>(n) > cap) {
          tooLarge = tooLarge || &into == &run.out;
          into.append(chunk, cap - into.size());
        } else {
          into.append(chunk, static_cast<std::size_t>(n));
        }
      }
    };
    drain(fds[1], out.read, run.out, maxOutput);
    drain(fds[2], err.read, run.err, kMaxErr);
    if (tooLarge) break;
  }
  if (timedOut || tooLarge) kill(pid, SIGKILL);  // our own child, started above
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (timedOut) {
    if (run.why.empty()) {
      Tell(run, Args(Tr("zorctl::RunProgram", "%1 did not finish within %2"), Value(path),
                     Value(zor::service::DurationText(bound))));
    }
    return run;
  }
  if (tooLarge) {
    Tell(run, Args(Tr("zorctl::RunProgram", "%1 wrote more than %2"), Value(path),
                   Value(zor::service::SizeText(maxOutput))));
    return run;
  }
  run.ran = true;
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

std::string FindHelperProgram(const std::string& name, const std::string& binToLib) {
  const std::string folder = zor::link::ExecutableDirectory();
  if (folder.empty()) return {};
  namespace fs = std::filesystem;
  for (const fs::path& candidate : {fs::path(folder) / name, fs::path(folder) / binToLib / name}) {
    if (access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate)) return candidate.lexically_normal();
  }
  return {};
}

}  // namespace zor::zorctl
