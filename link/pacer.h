#pragma once
// Every fixed wait between packets goes through a Pacer. The controller's
// protocol has no acknowledgements: these pauses are its only pacing. The
// tool's pacers really wait; tests advance virtual time instead.

namespace zor::link {

class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void sleep(int milliseconds) = 0;
  // While a transfer shows its own modal progress window, a pacer that holds
  // up a GUI thread lets the windows answer during its waits. A pacer without
  // windows has nothing to let through and ignores this.
  virtual void setResponsive(bool) {}
};

// Keeps a pacer responsive for as long as it lives.
class ResponsiveWaits {
 public:
  explicit ResponsiveWaits(Pacer& pacer) : pacer_(pacer) { pacer_.setResponsive(true); }
  ~ResponsiveWaits() { pacer_.setResponsive(false); }
  ResponsiveWaits(const ResponsiveWaits&) = delete;
  ResponsiveWaits& operator=(const ResponsiveWaits&) = delete;

 private:
  Pacer& pacer_;
};

// Sleeps the calling thread; what a program without a window waits with.
class SleepingPacer final : public Pacer {
 public:
  void sleep(int milliseconds) override;
};

}  // namespace zor::link
