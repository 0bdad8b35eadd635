#pragma once
// The simulated controller in process, behind entry points that record every
// call into a Transcript the way FakeLink does ("send 42 31", "query 84/8 -> 0",
// "find -> 1"). For tests that need a controller that remembers what it was
// sent: a restore that reads back what it wrote. Its state lives in a
// temporary file of its own.

#include <filesystem>
#include <memory>

#include "comm/sim_link.h"
#include "link/device_link.h"
#include "tests/support/transcript.h"

namespace zortest {

class SimBackedLink {
 public:
  explicit SimBackedLink(Transcript& transcript);  // only one at a time
  ~SimBackedLink();
  SimBackedLink(const SimBackedLink&) = delete;
  SimBackedLink& operator=(const SimBackedLink&) = delete;

  zor::DeviceLink link() const;
  zor::sim::SimLink& sim() { return *sim_; }
  Transcript& transcript() { return transcript_; }

 private:
  Transcript& transcript_;
  std::filesystem::path folder_;
  std::unique_ptr<zor::sim::SimLink> sim_;
};

}  // namespace zortest
