#pragma once
// The simulated controller in process, answering what a RecordingLink's
// switches leave open: for tests that need a controller that remembers what
// it was sent, such as a restore that reads back what it wrote. Its state
// lives in a temporary folder of its own.

#include <filesystem>
#include <memory>

#include "comm/sim_link.h"
#include "tests/support/recording_link.h"

namespace zortest {

class SimulatedController final : public RecordingLink::Controller {
 public:
  // Answers for link while it lives.
  explicit SimulatedController(RecordingLink& link);
  ~SimulatedController() override;
  SimulatedController(const SimulatedController&) = delete;
  SimulatedController& operator=(const SimulatedController&) = delete;

  std::int32_t command(const std::uint8_t* packet, std::int32_t length, const char16_t* name) override;
  std::int32_t status(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                      const char16_t* name) override;
  std::int32_t find(std::uint8_t* discovery, std::int32_t* found) override;

 private:
  RecordingLink& link_;
  std::filesystem::path folder_;
  std::unique_ptr<zor::comm::SimLink> sim_;
};

}  // namespace zortest
