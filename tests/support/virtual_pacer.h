#pragma once
// A pacer that only pretends to wait: it records "wait N" and moves a virtual
// clock on, so paced sequences run instantly and their pauses can be asserted.

#include "link/pacer.h"
#include "tests/support/transcript.h"

namespace zortest {

class VirtualPacer final : public zor::Pacer {
 public:
  explicit VirtualPacer(Transcript& transcript) : transcript_(transcript) {}

  void sleep(int milliseconds) override {
    transcript_.add("wait " + std::to_string(milliseconds));
    now_ += milliseconds;
  }

  // Milliseconds waited since construction.
  long long now() const { return now_; }

 private:
  Transcript& transcript_;
  long long now_ = 0;
};

}  // namespace zortest
