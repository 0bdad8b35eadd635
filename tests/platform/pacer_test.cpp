// The panel's pacer while a transfer shows its own progress window: it waits
// no less than asked, not much more, and the windows keep getting their
// events meanwhile; zorctl's pacer waits out a signal. The only tests here
// that really wait (a few tens of ms).
#include "link/pacer.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <thread>

#include "platform/pacer.h"

namespace {

TEST(BlockingPacer, WhileResponsiveItWaitsItsTimeAndDeliversEvents) {
  platform::BlockingPacer pacer;
  pacer.setResponsive(true);
  int delivered = 0;
  QTimer::singleShot(5, [&] { ++delivered; });
  QElapsedTimer clock;
  clock.start();
  pacer.sleep(40);
  const qint64 waited = clock.elapsed();
  EXPECT_GE(waited, 40);
  EXPECT_LT(waited, 40 + 30) << "a wait must not run long";
  EXPECT_EQ(delivered, 1) << "events are delivered during the wait";
}

TEST(BlockingPacer, OtherwiseItHoldsEventsBack) {
  platform::BlockingPacer pacer;
  int delivered = 0;
  QTimer::singleShot(0, [&] { ++delivered; });
  pacer.sleep(5);
  EXPECT_EQ(delivered, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(delivered, 1);
}

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
  QElapsedTimer clock;
  clock.start();
  zor::SleepingPacer().sleep(40);
  const qint64 waited = clock.elapsed();
  signaller.join();
  sigaction(SIGUSR1, &saved, nullptr);
  EXPECT_GE(waited, 40);
}

}  // namespace
