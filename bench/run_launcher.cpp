// run_launcher PROGRAM [ARGS...]: runs PROGRAM to its end with its output
// thrown away and prints its wall time, from just before the fork to its
// exit, and its peak resident memory:
//   wall-ns <ns> maxrss-kb <kB>
// Exit status 1 if it did not exit with status 0.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "bench/monotonic_ns.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: run_launcher PROGRAM [ARGS...]\n");
    return 2;
  }
  const long long start = MonotonicNs();
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execvp(argv[1], argv + 1);
    std::_Exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const long long wall = MonotonicNs() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "run_launcher: %s ended with status %d\n", argv[1], status);
    return 1;
  }
  std::printf("wall-ns %lld maxrss-kb %ld\n", wall, usage.ru_maxrss);
  return 0;
}
