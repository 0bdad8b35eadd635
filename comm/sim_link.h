#pragma once
// The device link behind the five entry points: argument checks, the
// simulated controller, its state file and the trace, under one lock.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>

#include "comm/trace.h"
#include "controller/controller_model.h"
#include "controller/state_file.h"

namespace zor::sim {

// Results of the entry points besides 0.
enum LinkResult : std::int32_t {
  kNoSystem = 1,       // ZORCOMM_LINK=none: nothing attached
  kBadArgument = 2,    // null pointer, bad length, packet without FF FF
  kUnknownStatus = 3,  // a status code the controller does not answer
  kShortBlock = 4,     // the caller's block is shorter than the reply
  kNotKept = 5,        // a change the controller took but could not keep in its state file
  kInternalError = 6,  // an unexpected failure inside the library (out of memory, ...)
};

constexpr std::int32_t kDiscoveryLength = kDiscoveryScratchSize;

struct LinkConfig {
  bool simulated = true;             // ZORCOMM_LINK: sim (default) or none
  std::optional<std::string> model;  // ZORCOMM_SIM_MODEL, at most 10 bytes
  std::filesystem::path statePath;   // empty: the state is not kept
  std::string tracePath;             // ZORCOMM_TRACE; empty: no trace
};

// Reads the library's environment; problems go to warnings, one line each.
LinkConfig configFromEnvironment(const std::function<const char*(const char*)>& getenv, std::ostream& warnings);

class SimLink {
 public:
  // A state file that cannot be used leaves the controller on its defaults.
  // clockBoot names the boot whose monotonic clock clock reads.
  SimLink(LinkConfig config, ControllerModel::Clock clock, std::ostream& warnings, std::string clockBoot = {});
  ~SimLink();  // keeps the working time counted so far
  SimLink(const SimLink&) = delete;
  SimLink& operator=(const SimLink&) = delete;

  std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName);
  std::int32_t getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                         const char16_t* systemName);
  std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found);
  std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* systemName);
  std::int32_t checkStatus(const char16_t* systemName);

  // For tests: the controller, when simulated (not locked).
  const ControllerModel* model() const { return model_ ? &*model_ : nullptr; }

 private:
  // One line on the warnings stream and in the trace.
  void warn(const std::string& text);
  // Saves what changed since the last save; empty when done, else why not.
  std::string save();
  // Goes on from what another process saved since this one last looked: a
  // look at the file's stamp, and a read only when it changed.
  void takeUpOthers();

  std::mutex mutex_;
  LinkConfig config_;
  std::ostream& warnings_;
  Trace trace_;
  std::optional<StateFile> stateFile_;
  std::optional<ControllerModel> model_;
  bool saveFailWarned_ = false;
};

}  // namespace zor::sim
