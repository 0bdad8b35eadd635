#include "comm/sim_link.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "controller/state_file.h"

namespace zor::sim {
namespace {

std::string hexCode(std::int32_t code) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned>(code));
  return buf;
}

}  // namespace

LinkConfig configFromEnvironment(const std::function<const char*(const char*)>& getenv, std::ostream& warnings) {
  LinkConfig config;
  if (const char* link = getenv("ZORCOMM_LINK"); link && *link) {
    const std::string value = link;
    if (value == "none") {
      config.simulated = false;
    } else if (value != "sim") {
      config.simulated = false;
      warnings << "ZorComm: unknown ZORCOMM_LINK \"" << value << "\" (expected sim or none); no system will be found\n";
    }
  }
  if (const char* model = getenv("ZORCOMM_SIM_MODEL"); model && *model)
    config.model = std::string(model).substr(0, kModelNameLength);
  if (const char* trace = getenv("ZORCOMM_TRACE"); trace && *trace) config.tracePath = trace;
  if (config.simulated) {
    config.statePath = resolveStatePath(getenv);
    if (config.statePath.empty())
      warnings << "ZorComm: neither ZORCOMM_STATE, XDG_STATE_HOME nor HOME is set; the controller state is not kept\n";
  }
  return config;
}

SimLink::SimLink(LinkConfig config, ControllerModel::Clock clock, std::ostream& warnings, std::string clockBoot)
    : config_(std::move(config)), warnings_(warnings) {
  if (!config_.tracePath.empty()) {
    std::string why;
    if (!trace_.open(config_.tracePath, &why)) warn("no trace: " + why);
  }
  if (!config_.simulated) return;
  ControllerState state;
  if (!config_.statePath.empty()) {
    stateFile_.emplace(config_.statePath, [this](const std::string& text) { warn(text); });
    state = stateFile_->load();
  }
  model_.emplace(std::move(state), std::move(clock), std::move(clockBoot));
  // The environment picks the simulated model (and with it the family) at
  // every start, whatever the state file says.
  if (config_.model) model_->rename(*config_.model);
}

SimLink::~SimLink() {
  try {
    std::lock_guard lock(mutex_);
    if (model_ && stateFile_ && stateFile_->usable() && model_->unsaved()) save();
  } catch (...) {
    // Unloading must not end the process; the trace has what was kept before.
  }
}

void SimLink::warn(const std::string& text) {
  warnings_ << "ZorComm: " << text << "\n";
  trace_.warning(text);
}

std::string SimLink::save() {
  if (!stateFile_) return "no state file";
  ControllerModel::Save written;
  std::string why;
  const bool ok = stateFile_->update(
      [&](const ControllerState& onDisk) {
        written = model_->changesOnto(onDisk);
        return written.state;
      },
      why);
  if (ok) {
    model_->saved(written);
    return {};
  }
  // Once is enough on the warnings stream (the start already said so for an
  // unusable file); the trace has the reason at every commit.
  if (!saveFailWarned_ && stateFile_->usable()) warn("cannot save the controller state: " + why);
  saveFailWarned_ = true;
  return why;
}

void SimLink::takeUpOthers() {
  if (!model_ || !stateFile_ || !stateFile_->changed()) return;
  if (auto state = stateFile_->reread()) model_->takeUp(std::move(*state));
}

std::int32_t SimLink::sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  std::int32_t result = 0;
  CommandResult taken = CommandResult::Accepted;
  std::string notKept;
  if (!packet || length != 4 || packet[0] != 0xFF || packet[1] != 0xFF) {
    result = kBadArgument;
  } else if (!model_) {
    result = kNoSystem;
  } else {
    // Delivered is 0 even when the controller refuses the value, as on the wire;
    // a change it took but cannot keep is reported, so that nobody relies on it.
    taken = model_->command(packet[2], packet[3]);
    if (taken == CommandResult::Committed) {
      notKept = save();
      if (!notKept.empty()) result = kNotKept;
    }
  }
  if (trace_.enabled()) {
    // A wrong length may be a lie: never show more than a packet's 4 bytes.
    const std::size_t shown = static_cast<std::size_t>(std::clamp(length, 0, 4));
    std::string note;
    if (taken == CommandResult::Committed) note = notKept.empty() ? "committed" : "not kept: " + notKept;
    if (taken == CommandResult::Rejected) note = "rejected: " + model_->lastError();
    if (taken == CommandResult::Ignored) note = "ignored: " + model_->lastError();
    trace_.write(
        "dwSendCommand",
        "packet=[" + (packet ? hexBytes(packet, shown) : std::string("null")) + "] length=" + std::to_string(length),
        result, note);
  }
  return result;
}

std::int32_t SimLink::getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  // Every process answers for one controller: the one in the state file.
  takeUpOthers();
  std::int32_t result = 0;
  std::optional<Reply> reply;
  if (!block || length < 0) {
    result = kBadArgument;
  } else if (!model_) {
    result = kNoSystem;
  } else if (!(reply = model_->status(statusCode))) {
    result = kUnknownStatus;
  } else if (static_cast<std::size_t>(length) < reply->size) {
    result = kShortBlock;
  } else {
    std::memcpy(block, reply->bytes.data(), reply->size);
  }
  if (trace_.enabled()) {
    trace_.write("dwGetStatus",
                 "status=" + hexCode(statusCode) + " reserved=" + std::to_string(reserved) +
                     " length=" + std::to_string(length) + " reply=[" +
                     (result == 0 ? hexBytes(reply->bytes.data(), reply->size) : std::string()) + "]",
                 result);
  }
  return result;
}

std::int32_t SimLink::findSystems(std::uint8_t* discovery, std::int32_t* found) {
  std::lock_guard lock(mutex_);
  takeUpOthers();
  // Null outputs are not written; the result alone says whether a system is there.
  if (discovery) {
    std::memset(discovery, 0, kDiscoveryLength);
    if (model_) {
      // The found system's name, as UTF-16LE, at the start of the scratch block.
      const std::string& name = model_->snapshot().modelName;
      for (std::size_t i = 0; i < name.size(); ++i) discovery[2 * i] = static_cast<std::uint8_t>(name[i]);
    }
  }
  if (found) *found = model_ ? 1 : 0;
  const std::int32_t result = model_ ? 1 : 0;
  if (trace_.enabled())
    trace_.write("ZORFindSystems",
                 std::string("discovery=") + (discovery ? "set" : "null") + " found=" + (found ? "set" : "null"),
                 result);
  return result;
}

std::int32_t SimLink::sendData(const std::uint8_t* data, std::int32_t length, const char16_t*) {
  std::lock_guard lock(mutex_);
  std::int32_t result = 0;
  if (length < 0 || (!data && length > 0))
    result = kBadArgument;
  else if (!model_)
    result = kNoSystem;
  // The simulated controller takes bulk data and has no use for it.
  if (trace_.enabled())
    trace_.write("dwSendData",
                 "data=[" + hexBytes(data, static_cast<std::size_t>(std::clamp(length, 0, 16))) +
                     (length > 16 ? " ..." : "") + "] length=" + std::to_string(length),
                 result);
  return result;
}

std::int32_t SimLink::checkStatus(const char16_t*) {
  std::lock_guard lock(mutex_);
  const std::int32_t result = model_ ? 0 : kNoSystem;
  if (trace_.enabled()) trace_.write("ZORSystemCheckStatus", "", result);
  return result;
}

}  // namespace zor::sim
