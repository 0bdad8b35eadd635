#include "simulator/simulated_system.h"

#include <utility>

namespace zor::simulator {

controller::ControllerState systemDefaults(int k) {
  controller::ControllerState state;
  state.serial = 100000 + k;
  state.mac[5] = static_cast<std::uint8_t>(k);
  state.ip[3] = static_cast<std::uint8_t>(9 + k);
  state.shipId = 0x5a4f5200u + static_cast<std::uint32_t>(k);
  return state;
}

std::filesystem::path systemStateFile(const std::filesystem::path& firstFile, int k) {
  if (firstFile.empty() || k == 1) return firstFile;
  std::filesystem::path file = firstFile;
  file += "-" + std::to_string(k);
  return file;
}

SimulatedSystem::SimulatedSystem(int number, const std::filesystem::path& stateFile,
                                 controller::ControllerModel::Clock clock, std::string clockBoot,
                                 controller::ControllerHost::Warn warn, const simulator::LensError& lens)
    : number_(number),
      host_(stateFile, systemDefaults(number), std::move(clock), std::move(clockBoot), std::move(warn)),
      field_(lens, host_.model().snapshot()) {}

protocol::discovery::Entry SimulatedSystem::entry() {
  host_.takeUpOthers();
  const controller::ControllerState state = host_.model().snapshot();
  return {state.serial, state.modelName, state.ip};
}

SystemState SimulatedSystem::state() const {
  const controller::Activity& activity = host_.model().activity();
  return {activity.shutterOpen, activity.aiming, activity.testPower, activity.pulse, activity.mode};
}

}  // namespace zor::simulator
