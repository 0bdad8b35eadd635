// The panel's pacer while a transfer shows its own progress window: it waits
// no less than asked, not much more, and the windows keep getting their
// events meanwhile. The only tests here that really wait (a few tens of ms).
#include "platform/pacer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

TEST(BlockingPacer, WhileResponsiveItWaitsItsTimeAndDeliversEvents) {
  zor::platform::BlockingPacer pacer;
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
  zor::platform::BlockingPacer pacer;
  int delivered = 0;
  QTimer::singleShot(0, [&] { ++delivered; });
  pacer.sleep(5);
  EXPECT_EQ(delivered, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(delivered, 1);
}

}  // namespace
