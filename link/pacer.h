#pragma once
// Every fixed wait between packets goes through a Pacer. The controller's
// protocol has no acknowledgements: these pauses are its only pacing. The
// tool's pacers really wait; tests advance virtual time instead.

namespace zor {

class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void sleep(int milliseconds) = 0;
};

// Sleeps the calling thread; what a program without a window waits with.
class SleepingPacer final : public Pacer {
 public:
  void sleep(int milliseconds) override;
};

}  // namespace zor
