#pragma once
// A device link that calls nothing: it records the packets, status queries
// and waits an operation would make, with their timing, and answers as a
// system that was found but reports nothing. --dry-run prints what it
// recorded; a real run uses the same record to show its progress.

#include <cstdint>
#include <string>
#include <vector>

#include "link/device_link.h"
#include "link/pacer.h"

namespace zor::zorctl {

struct PlanStep {
  enum class Kind { Find, Packet, Query, Wait };
  Kind kind;
  long long atMs;  // from the start of the plan
  int code = 0;    // command or status code
  int value = 0;   // value byte, reply length, or wait in ms
};

class DryRun final : public zor::link::Pacer {
 public:
  DryRun();  // only one at a time
  ~DryRun() override;
  DryRun(const DryRun&) = delete;
  DryRun& operator=(const DryRun&) = delete;

  zor::link::DeviceLink link() const;
  void sleep(int milliseconds) override;
  void record(PlanStep step);

  const std::vector<PlanStep>& steps() const { return steps_; }
  void clear();
  long long totalMs() const { return nowMs_; }
  int packets() const;

 private:
  std::vector<PlanStep> steps_;
  long long nowMs_ = 0;
};

// "packet FF FF 42 31", "wait 100 ms", "query 84 (8 bytes)", "find system".
std::string Describe(const PlanStep& step);

}  // namespace zor::zorctl
