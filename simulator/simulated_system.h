#pragma once
// One simulated marking system of zor-simulator: a controller with its own
// state file and identity. System k (1 onwards) starts, when its state file
// is new, with serial 100000 + k, the model name NZ-SIM, the MAC address
// 02:00:5A:4F:52:kk and the IP address 192.168.1.(9 + k); what its state file
// holds wins. System 1 keeps the device link's own state file, so a simulator
// and the in-process controller answer for the same system 1.

#include <cstdint>
#include <filesystem>
#include <string>

#include "controller/controller_host.h"
#include "protocol/discovery.h"
#include "simulator/field_model.h"

namespace zor::simulator {

inline constexpr int kMaxSystems = static_cast<int>(protocol::discovery::kMaxSystems);

// The state of system k's controller when its state file is new.
controller::ControllerState systemDefaults(int k);
// System k's state file: firstFile for system 1, "<firstFile>-k" beside it
// for the others. Empty when firstFile is (the state is not kept).
std::filesystem::path systemStateFile(const std::filesystem::path& firstFile, int k);

// What a technician sees of a system at a glance; reported when it changes.
struct SystemState {
  bool shutterOpen = false;
  bool aiming = false;
  bool testPower = false;
  std::uint8_t pulse = 0;
  controller::Mode mode = controller::Mode::Idle;
  bool operator==(const SystemState&) const = default;
};

class SimulatedSystem {
 public:
  // lens: what the simulated lens does wrong.
  SimulatedSystem(int number, const std::filesystem::path& stateFile, controller::ControllerModel::Clock clock,
                  std::string clockBoot, controller::ControllerHost::Warn warn, const simulator::LensError& lens = {});

  int number() const { return number_; }
  std::int32_t serial() const { return host_.model().snapshot().serial; }
  // Its entry in the discovery block, after taking up what another process saved.
  protocol::discovery::Entry entry();
  SystemState state() const;
  controller::ControllerHost& host() { return host_; }
  const controller::ControllerHost& host() const { return host_; }
  // What its field view draws.
  simulator::FieldModel& field() { return field_; }
  const simulator::FieldModel& field() const { return field_; }

 private:
  int number_;
  controller::ControllerHost host_;
  simulator::FieldModel field_;
};

}  // namespace zor::simulator
