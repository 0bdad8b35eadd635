#pragma once
// Every fixed wait between packets goes through a Pacer. The tool's pacer
// blocks the GUI thread for the time given, as the controller's protocol
// expects; tests advance virtual time instead.

namespace platform {

class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void sleep(int milliseconds) = 0;
};

// Blocks the calling thread.
class BlockingPacer final : public Pacer {
 public:
  void sleep(int milliseconds) override;
};

}  // namespace platform
