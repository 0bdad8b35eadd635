#include "tests/support/simulated_controller.h"

#include <stdlib.h>

#include <sstream>

namespace zortest {

namespace {

std::ostringstream g_warnings;

}  // namespace

SimulatedController::SimulatedController(RecordingLink& link) : link_(link) {
  char folder[] = "/tmp/zor-sim-XXXXXX";
  folder_ = mkdtemp(folder);
  zor::comm::LinkConfig config;
  config.statePath = folder_ / "controller-state";
  sim_ = std::make_unique<zor::comm::SimLink>(
      config, [] { return std::int64_t{0}; }, g_warnings);
  link_.answerFrom(this);
}

SimulatedController::~SimulatedController() {
  link_.answerFrom(nullptr);
  sim_.reset();
  std::filesystem::remove_all(folder_);
}

std::int32_t SimulatedController::command(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  return sim_->sendCommand(packet, length, name);
}

std::int32_t SimulatedController::status(std::int32_t code, std::int32_t reserved, std::uint8_t* block,
                                         std::int32_t length, const char16_t* name) {
  return sim_->getStatus(code, reserved, block, length, name);
}

std::int32_t SimulatedController::find(std::uint8_t* discovery, std::int32_t* found) {
  return sim_->findSystems(discovery, found);
}

}  // namespace zortest
