#include "comm/sim_link.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "controller/state_file.h"
#include "protocol/discovery.h"
#include "protocol/simulator_frames.h"

namespace zor::comm {

LinkConfig configFromEnvironment(const Getenv& getenv, std::ostream& warnings) {
  LinkConfig config;
  config.environment = getenv;
  if (const char* link = getenv("ZORCOMM_LINK"); link && *link) {
    const std::string value = link;
    if (value == "none") {
      config.link = LinkKind::None;
    } else if (value == "simulator") {
      config.link = LinkKind::Simulator;
    } else if (value != "sim") {
      config.link = LinkKind::None;
      warnings << "ZorComm: unknown ZORCOMM_LINK \"" << value
               << "\" (expected sim, simulator or none); no system will be found\n";
    }
  }
  if (const char* model = getenv("ZORCOMM_SIM_MODEL"); model && *model)
    config.model = std::string(model).substr(0, controller::kModelNameLength);
  if (const char* trace = getenv("ZORCOMM_TRACE"); trace && *trace) config.tracePath = trace;
  if (config.link == LinkKind::Sim) {
    config.statePath = controller::resolveStatePath(getenv);
    if (config.statePath.empty())
      warnings << "ZorComm: neither ZORCOMM_STATE, XDG_STATE_HOME nor HOME is set; the controller state is not kept\n";
  }
  if (config.link == LinkKind::Simulator) {
    const char* socket = getenv(protocol::frames::kSocketVariable);
    config.socketPath = socket && *socket ? socket : protocol::frames::DefaultSocketPath(getenv("XDG_RUNTIME_DIR"));
    if (config.socketPath.empty())
      warnings << "ZorComm: neither ZORCOMM_SOCKET nor XDG_RUNTIME_DIR is set; no simulator will be found\n";
  }
  return config;
}

SimLink::SimLink(LinkConfig config, controller::ControllerModel::Clock clock, std::ostream& warnings,
                 std::string clockBoot)
    : config_(std::move(config)), warnings_(warnings) {
  if (!config_.tracePath.empty()) {
    if (files::Result<> opened = trace_.open(config_.tracePath); !opened) warn("no trace: " + opened.why());
  }
  if (config_.link != LinkKind::Sim) return;
  host_.emplace(config_.statePath, controller::ControllerState{}, std::move(clock), std::move(clockBoot),
                [this](const std::string& text) { warn(text); });
  // The environment picks the simulated model (and with it the family) at
  // every start, whatever the state file says.
  if (config_.model) host_->model().rename(*config_.model);
}

SimLink::~SimLink() {
  try {
    std::lock_guard lock(mutex_);
    if (host_) host_->saveUnsaved();
  } catch (...) {
    // Unloading must not end the process; the trace has what was kept before.
  }
}

void SimLink::warn(const std::string& text) {
  warnings_ << "ZorComm: " << text << "\n";
  trace_.warning(text);
}

std::int32_t SimLink::sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  controller::ControllerHost::Sent sent;
  if (!packet || length != protocol::kPacketLength || packet[0] != protocol::kPacketLead ||
      packet[1] != protocol::kPacketLead) {
    sent.result = protocol::kBadArgument;
  } else if (!host_) {
    sent.result = protocol::kNoSystem;
  } else {
    sent = host_->send(std::span(packet, protocol::kPacketLength), text_);
  }
  if (trace_.enabled()) trace_.write("dwSendCommand", commandArguments(packet, length), sent.result, sent.note);
  return sent.result;
}

std::int32_t SimLink::getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  controller::ControllerHost::Answer answer;
  if (!block || length < 0) {
    answer.result = protocol::kBadArgument;
  } else if (!host_) {
    answer.result = protocol::kNoSystem;
  } else {
    answer = host_->status(statusCode, length);
    if (answer.result == 0) std::memcpy(block, answer.reply.bytes.data(), answer.reply.size);
  }
  if (trace_.enabled())
    trace_.write("dwGetStatus",
                 statusArguments(statusCode, reserved, length, answer.result == 0 ? answer.reply.bytes.data() : nullptr,
                                 answer.reply.size),
                 answer.result);
  return answer.result;
}

std::int32_t SimLink::findSystems(std::uint8_t* discovery, std::int32_t* found) {
  std::lock_guard lock(mutex_);
  std::vector<protocol::discovery::Entry> systems;
  if (host_) {
    host_->takeUpOthers();
    const controller::ControllerState state = host_->model().snapshot();
    systems.push_back({state.serial, state.modelName, state.ip});
  }
  // Null outputs are not written; the result alone says whether the system is there.
  if (discovery) protocol::discovery::Write(discovery, systems);
  if (found) *found = static_cast<std::int32_t>(systems.size());
  const char* wanted = config_.environment ? config_.environment(protocol::discovery::kSystemVariable) : nullptr;
  const std::int32_t result = protocol::discovery::Addressed(systems, wanted) ? 1 : 0;
  if (trace_.enabled()) trace_.write("ZORFindSystems", findArguments(discovery, found), result);
  return result;
}

std::int32_t SimLink::sendData(const std::uint8_t* data, std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  std::int32_t result = 0;
  if (length < 0 || (!data && length > 0))
    result = protocol::kBadArgument;
  else if (!host_)
    result = protocol::kNoSystem;
  // The simulated controller takes bulk data and has no use for it.
  if (trace_.enabled()) trace_.write("dwSendData", dataArguments(data, length), result);
  return result;
}

std::int32_t SimLink::checkStatus(const char16_t*) {
  std::lock_guard lock(mutex_);
  const std::int32_t result = host_ ? 0 : protocol::kNoSystem;
  if (trace_.enabled()) trace_.write("ZORSystemCheckStatus", "", result);
  return result;
}

}  // namespace zor::comm
