#pragma once
// The panel's pacer: the GUI thread waits out the controller's pauses.

#include "link/pacer.h"

namespace platform {

// Blocks the GUI thread for the time given; pending repaints go out first.
class BlockingPacer final : public zor::Pacer {
 public:
  void sleep(int milliseconds) override;
};

}  // namespace platform
