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

#include "comm/backend.h"
#include "comm/trace.h"
#include "controller/controller_host.h"
#include "protocol/link_results.h"

namespace zor::comm {

constexpr std::int32_t kDiscoveryLength = protocol::kDiscoveryScratchSize;

using Getenv = std::function<const char*(const char*)>;

enum class LinkKind {
  Sim,        // the simulated controller in this process (the default)
  None,       // no system is found
  Simulator,  // zor-simulator, over its socket
};

struct LinkConfig {
  LinkKind link = LinkKind::Sim;     // ZORCOMM_LINK
  std::optional<std::string> model;  // ZORCOMM_SIM_MODEL, at most 10 bytes
  std::filesystem::path statePath;   // empty: the state is not kept
  std::string tracePath;             // ZORCOMM_TRACE; empty: no trace
  std::string socketPath;            // ZORCOMM_SOCKET, else the default; empty: none
  // The environment, read again at every discovery for the system addressed
  // (ZORCOMM_SYSTEM); unset: no system named.
  Getenv environment;
};

// Reads the library's environment; problems go to warnings, one line each.
LinkConfig configFromEnvironment(const Getenv& getenv, std::ostream& warnings);

class SimLink : public Backend {
 public:
  // A state file that cannot be used leaves the controller on its defaults.
  // clockBoot names the boot whose monotonic clock clock reads.
  SimLink(LinkConfig config, controller::ControllerModel::Clock clock, std::ostream& warnings,
          std::string clockBoot = {});
  ~SimLink() override;  // keeps the working time counted so far
  SimLink(const SimLink&) = delete;
  SimLink& operator=(const SimLink&) = delete;

  std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName) override;
  std::int32_t getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                         const char16_t* systemName) override;
  // Lists the one system; found when it is the one ZORCOMM_SYSTEM names, or
  // when that is unset.
  std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found) override;
  std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* systemName) override;
  std::int32_t checkStatus(const char16_t* systemName) override;

  // For tests: the controller, when simulated (not locked).
  const controller::ControllerModel* model() const { return host_ ? &host_->model() : nullptr; }
  const std::string& pendingText() const { return text_.text; }

 private:
  // One line on the warnings stream and in the trace.
  void warn(const std::string& text);

  std::mutex mutex_;
  LinkConfig config_;
  std::ostream& warnings_;
  Trace trace_;
  std::optional<controller::ControllerHost> host_;
  controller::TextInput text_;  // this process is one sender: its text is its own
};

}  // namespace zor::comm
