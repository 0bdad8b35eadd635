#include "link/pacer.h"

#include <chrono>
#include <thread>

namespace zor::link {

// sleep_for blocks for at least the time asked: a caught signal (zorctl
// catches Ctrl+C while it sends) resumes the sleep for the rest.
void SleepingPacer::sleep(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace zor::link
