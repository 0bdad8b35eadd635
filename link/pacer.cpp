#include "link/pacer.h"

#include <chrono>
#include <thread>

namespace zor {

void SleepingPacer::sleep(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace zor
