#include "controller/controller_host.h"

#include <cstring>
#include <utility>

namespace zor::controller {
namespace {

std::unique_ptr<StateFile> stateFileAt(const std::filesystem::path& path, const ControllerState& defaults,
                                       const ControllerHost::Warn& warn) {
  if (path.empty()) return nullptr;
  return std::make_unique<StateFile>(path, warn, kLockWait, defaults);
}

}  // namespace

ControllerHost::ControllerHost(const std::filesystem::path& statePath, const ControllerState& defaults,
                               ControllerModel::Clock clock, std::string clockBoot, Warn warn)
    : warn_(std::move(warn)),
      stateFile_(stateFileAt(statePath, defaults, warn_)),
      model_(stateFile_ ? stateFile_->load() : defaults, std::move(clock), std::move(clockBoot)) {}

std::string ControllerHost::save() {
  if (!stateFile_) return "no state file";
  ControllerModel::Save written;
  const files::Result<> saved = stateFile_->update([&](const ControllerState& onDisk) {
    written = model_.changesOnto(onDisk);
    return written.state;
  });
  if (saved) {
    model_.saved(written);
    return {};
  }
  // Once is enough on the warnings (the start already said so for an
  // unusable file); the caller's note has the reason at every commit.
  if (!saveFailWarned_ && stateFile_->usable()) warn_("cannot save the controller state: " + saved.why());
  saveFailWarned_ = true;
  return saved.why();
}

void ControllerHost::saveUnsaved() {
  if (stateFile_ && stateFile_->usable() && model_.unsaved()) save();
}

void ControllerHost::takeUpOthers() {
  if (!stateFile_ || !stateFile_->changed()) return;
  if (auto state = stateFile_->reread()) model_.takeUp(std::move(*state));
}

ControllerHost::Sent ControllerHost::send(std::span<const std::uint8_t> packet, TextInput& input) {
  Sent sent;
  if (packet.size() != protocol::kPacketLength || packet[0] != protocol::kPacketLead ||
      packet[1] != protocol::kPacketLead) {
    sent.result = protocol::kBadArgument;
    return sent;
  }
  switch (model_.command(packet[2], packet[3], input)) {
    case CommandResult::Committed:
      if (const std::string notKept = save(); notKept.empty()) {
        sent.note = "committed";
      } else {
        sent.result = protocol::kNotKept;
        sent.note = "not kept: " + notKept;
      }
      break;
    case CommandResult::Rejected:
      sent.note = "rejected: " + model_.lastError();
      break;
    case CommandResult::Ignored:
      sent.note = "ignored: " + model_.lastError();
      break;
    case CommandResult::Accepted:
      break;
  }
  return sent;
}

ControllerHost::Answer ControllerHost::status(std::int32_t code, std::int32_t length) {
  // Every process answers for one controller: the one in the state file.
  takeUpOthers();
  Answer answer;
  if (length < 0) {
    answer.result = protocol::kBadArgument;
  } else if (auto reply = model_.status(code); !reply) {
    answer.result = protocol::kUnknownStatus;
  } else if (static_cast<std::size_t>(length) < reply->size) {
    answer.result = protocol::kShortBlock;
  } else {
    answer.reply = *reply;
  }
  return answer;
}

}  // namespace zor::controller
