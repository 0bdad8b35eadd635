// The exported entry points: each forwards to the one link of the process,
// built from the environment on the first call.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <type_traits>

#include "comm/sim_link.h"
#include "comm/zorcomm.h"
#include "protocol/zor_protocol.h"

// The exports have exactly the types the tool calls them through.
static_assert(std::is_same_v<decltype(&dwSendCommand), DwSendCommandFn>);
static_assert(std::is_same_v<decltype(&dwGetStatus), DwGetStatusFn>);
static_assert(std::is_same_v<decltype(&ZORFindSystems), ZorFindSystemsFn>);
static_assert(std::is_same_v<decltype(&dwSendData), DwSendDataFn>);
static_assert(std::is_same_v<decltype(&ZORSystemCheckStatus), ZorSystemCheckStatusFn>);

namespace {

std::int64_t monotonicMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

zor::sim::SimLink &link() {
  // Destroyed when the library unloads or the process exits; that saves the working time.
  static zor::sim::SimLink instance(
      zor::sim::configFromEnvironment([](const char *name) { return std::getenv(name); }, std::cerr), monotonicMs,
      std::cerr);
  return instance;
}

}  // namespace

int32_t dwSendCommand(const uint8_t *packet, int32_t length, const char16_t *systemName) {
  return link().sendCommand(packet, length, systemName);
}

int32_t dwGetStatus(int32_t statusCode, int32_t reserved, uint8_t *block, int32_t length, const char16_t *systemName) {
  return link().getStatus(statusCode, reserved, block, length, systemName);
}

int32_t ZORFindSystems(uint8_t *discovery, int32_t *found) { return link().findSystems(discovery, found); }

int32_t dwSendData(const uint8_t *data, int32_t length, const char16_t *systemName) {
  return link().sendData(data, length, systemName);
}

int32_t ZORSystemCheckStatus(const char16_t *systemName) { return link().checkStatus(systemName); }
