#pragma once
// The panel's pacer: the GUI thread waits out the controller's pauses.

#include "link/pacer.h"

namespace zor::platform {

// Blocks the GUI thread for the time given; pending repaints go out first.
// While responsive, it runs the event loop instead, for a transfer that shows
// its own modal progress window.
class BlockingPacer final : public zor::link::Pacer {
 public:
  void sleep(int milliseconds) override;
  void setResponsive(bool responsive) override { responsive_ = responsive; }

 private:
  bool responsive_ = false;
};

}  // namespace zor::platform
