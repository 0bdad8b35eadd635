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

files::Result<> ControllerHost::save() {
  if (!stateFile_) return files::Failure{"no state file"};
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
  return saved;
}

void ControllerHost::saveUnsaved() {
  if (!stateFile_ || !stateFile_->usable() || !model_.unsaved()) return;
  // A failure has had its warning: there is no caller to tell at the end.
  (void)save();
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
  const CommandResult taken = model_.command(packet[2], packet[3], input);
  if (!taken) {
    sent.note = "rejected: " + taken.why();
    return sent;
  }
  switch (taken->effect) {
    case Taken::Effect::Committed:
      if (const files::Result<> saved = save()) {
        sent.note = "committed";
      } else {
        sent.result = protocol::kNotKept;
        sent.note = "not kept: " + saved.why();
      }
      break;
    case Taken::Effect::Ignored:
      sent.note = "ignored: " + taken->why;
      break;
    case Taken::Effect::Accepted:
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
