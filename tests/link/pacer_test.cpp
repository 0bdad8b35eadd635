// zorctl's pacer waits out a signal. The one test of the folder that really
// waits (40 ms).
#include "link/pacer.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <thread>

namespace {

// A signal caught during a pause must not shorten it: zorctl catches Ctrl+C
// while it sends, and the controller needs every pause in full.
TEST(SleepingPacer, ACaughtSignalDoesNotCutAWaitShort) {
  struct sigaction action {
  }, saved{};
  action.sa_handler = [](int) {};
  sigemptyset(&action.sa_mask);  // no SA_RESTART: the sleep itself is interrupted
  ASSERT_EQ(sigaction(SIGUSR1, &action, &saved), 0);
  const pthread_t sleeper = pthread_self();
  std::thread signaller([sleeper] {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    pthread_kill(sleeper, SIGUSR1);
  });
  const auto start = std::chrono::steady_clock::now();
  zor::link::SleepingPacer().sleep(40);
  const auto waited = std::chrono::steady_clock::now() - start;
  signaller.join();
  sigaction(SIGUSR1, &saved, nullptr);
  EXPECT_GE(waited, std::chrono::milliseconds(40));
}

}  // namespace
