// The exported entry points: each forwards to the one link of the process,
// built from the environment on the first call. No exception leaves them: the
// caller is C.

#include "comm/zorcomm.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <type_traits>

#include "comm/sim_link.h"
#include "comm/simulator_client.h"
#include "controller/work_time.h"
#include "protocol/zor_protocol.h"

// The exports have exactly the types the tool calls them through.
static_assert(std::is_same_v<decltype(&dwSendCommand), DwSendCommandFn>);
static_assert(std::is_same_v<decltype(&dwGetStatus), DwGetStatusFn>);
static_assert(std::is_same_v<decltype(&ZORFindSystems), ZorFindSystemsFn>);
static_assert(std::is_same_v<decltype(&dwSendData), DwSendDataFn>);
static_assert(std::is_same_v<decltype(&ZORSystemCheckStatus), ZorSystemCheckStatusFn>);

namespace {

using zor::comm::Backend;

// The backend ZORCOMM_LINK chooses: the controller in this process (the
// default, or none), or zor-simulator over its socket.
std::unique_ptr<Backend> makeBackend() {
  zor::comm::LinkConfig config =
      zor::comm::configFromEnvironment([](const char* name) { return std::getenv(name); }, std::cerr);
  if (config.link == zor::comm::LinkKind::Simulator)
    return std::make_unique<zor::comm::SimulatorClient>(std::move(config), std::cerr);
  return std::make_unique<zor::comm::SimLink>(std::move(config), zor::controller::monotonicMilliseconds, std::cerr,
                                              zor::controller::currentBootId());
}

Backend& link() {
  // Destroyed when the library unloads or the process exits; that saves the working time.
  static const std::unique_ptr<Backend> instance = makeBackend();
  return *instance;
}

// One line on standard error, the first time only: a failing call may be repeated often.
void reportFailure(const char* entry, const char* what) noexcept {
  static std::atomic<bool> reported{false};
  if (!reported.exchange(true)) std::fprintf(stderr, "ZorComm: %s failed: %s\n", entry, what);
}

// Runs one entry point; an exception becomes the result failed.
template <typename Call>
std::int32_t guarded(const char* entry, std::int32_t failed, Call call) noexcept {
  try {
    return call();
  } catch (const std::exception& e) {
    reportFailure(entry, e.what());
  } catch (...) {
    reportFailure(entry, "unknown exception");
  }
  return failed;
}

}  // namespace

using zor::protocol::kInternalError;

int32_t dwSendCommand(const uint8_t* packet, int32_t length, const char16_t* systemName) {
  return guarded("dwSendCommand", kInternalError, [&] { return link().sendCommand(packet, length, systemName); });
}

int32_t dwGetStatus(int32_t statusCode, int32_t reserved, uint8_t* block, int32_t length, const char16_t* systemName) {
  return guarded("dwGetStatus", kInternalError,
                 [&] { return link().getStatus(statusCode, reserved, block, length, systemName); });
}

// Nonzero would mean "found": a failure finds nothing.
int32_t ZORFindSystems(uint8_t* discovery, int32_t* found) {
  return guarded("ZORFindSystems", 0, [&] { return link().findSystems(discovery, found); });
}

int32_t dwSendData(const uint8_t* data, int32_t length, const char16_t* systemName) {
  return guarded("dwSendData", kInternalError, [&] { return link().sendData(data, length, systemName); });
}

int32_t ZORSystemCheckStatus(const char16_t* systemName) {
  return guarded("ZORSystemCheckStatus", kInternalError, [&] { return link().checkStatus(systemName); });
}
