#pragma once
// A pacer that only pretends to wait: it records "wait N" and moves a virtual
// clock on, so paced sequences run instantly and their pauses can be asserted.

#include "link/pacer.h"
#include "tests/support/transcript.h"

namespace zortest {

class VirtualPacer final : public zor::link::Pacer {
 public:
  explicit VirtualPacer(Transcript& transcript) : transcript_(transcript) {}

  void sleep(int milliseconds) override {
    transcript_.add("wait " + std::to_string(milliseconds));
    now_ += milliseconds;
    if (responsive_) ++responsiveWaits_;
  }
  void setResponsive(bool responsive) override { responsive_ = responsive; }

  // Milliseconds waited since construction.
  long long now() const { return now_; }
  // Whether waits let the windows answer now; how many waits did so.
  bool responsive() const { return responsive_; }
  int responsiveWaits() const { return responsiveWaits_; }

 private:
  Transcript& transcript_;
  long long now_ = 0;
  bool responsive_ = false;
  int responsiveWaits_ = 0;
};

}  // namespace zortest
