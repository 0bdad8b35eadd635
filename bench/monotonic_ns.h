#pragma once
// The launchers' clock: CLOCK_MONOTONIC in nanoseconds, the clock the panel's
// start-up probe reports its first paint in.

#include <ctime>

inline long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
