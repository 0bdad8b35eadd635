// startup_launcher PROGRAM [ARGS...]: starts PROGRAM and prints how long it
// took from just before the fork to the first paint the program reports
// ("panel-shown-monotonic-ns N" on its stdout, CLOCK_MONOTONIC), and the
// resident memory it reports ("resident-kb N"):
//   startup-ns <ns> resident-kb <kB>
// Exit status 1 if the program did not report both or did not exit cleanly.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/monotonic_ns.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_launcher PROGRAM [ARGS...]\n");
    return 2;
  }
  int out[2];
  if (pipe(out) != 0) return 1;
  // Taken before fork so the process's whole life counts, exec and loading included.
  const long long start = MonotonicNs();
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execvp(argv[1], argv + 1);
    std::_Exit(127);
  }
  close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) break;
    text.append(buffer, static_cast<size_t>(n));
  }
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);

  long long shown = -1, residentKb = -1;
  if (const size_t at = text.find("panel-shown-monotonic-ns "); at != std::string::npos)
    shown = std::atoll(text.c_str() + at + std::strlen("panel-shown-monotonic-ns "));
  if (const size_t at = text.find("resident-kb "); at != std::string::npos)
    residentKb = std::atoll(text.c_str() + at + std::strlen("resident-kb "));
  if (shown < 0 || residentKb < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "startup_launcher: %s did not report its first paint (status %d)\n%s", argv[1], status,
                 text.c_str());
    return 1;
  }
  std::printf("startup-ns %lld resident-kb %lld\n", shown - start, residentKb);
  return 0;
}
