#pragma once
// A controller model with the state file that keeps it: the controller as the
// device link runs it inside the calling process, and as zor-simulator runs
// it once per simulated system. Every change the controller accepts is saved
// at once; before a query, what another process saved is taken up. Not
// locked: whoever holds it serves one call at a time.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "controller/controller_model.h"
#include "controller/state_file.h"
#include "protocol/link_results.h"

namespace zor::controller {

class ControllerHost {
 public:
  using Warn = std::function<void(const std::string&)>;

  // statePath empty: the state is not kept, and every commit returns
  // kNotKept. defaults: the state when the file is missing or unusable.
  // clockBoot names the boot whose monotonic clock clock reads.
  ControllerHost(const std::filesystem::path& statePath, const ControllerState& defaults, ControllerModel::Clock clock,
                 std::string clockBoot, Warn warn);
  ControllerHost(const ControllerHost&) = delete;
  ControllerHost& operator=(const ControllerHost&) = delete;

  struct Sent {
    std::int32_t result = 0;
    // For a refused, ignored or committed packet: "rejected: why",
    // "ignored: why", "committed" or "not kept: why". Empty otherwise.
    std::string note;
  };
  // One command packet: FF FF, the code, the value. Delivered (0) even when
  // the controller refuses the value, as on the wire; a change it took but
  // cannot keep is kNotKept. input: the text its sender has typed so far.
  Sent send(std::span<const std::uint8_t> packet, TextInput& input);

  struct Answer {
    std::int32_t result = 0;
    Reply reply;  // when the result is 0
  };
  // The reply to a status code, for a block of length bytes.
  Answer status(std::int32_t code, std::int32_t length);

  // Goes on from what another process saved since this one last looked: one
  // look at the file's stamp, and a read only when it changed.
  void takeUpOthers();
  // Saves what is not saved yet (the working time counted so far), when the
  // state file can be written; at the end of the host's life.
  void saveUnsaved();

  ControllerModel& model() { return model_; }
  const ControllerModel& model() const { return model_; }

 private:
  // Saves what changed since the last save; a failure saying why it could not.
  files::Result<> save();

  Warn warn_;
  std::unique_ptr<StateFile> stateFile_;
  ControllerModel model_;
  bool saveFailWarned_ = false;
};

}  // namespace zor::controller
