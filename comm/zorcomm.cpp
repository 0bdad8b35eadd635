// The exported entry points: each forwards to the one link of the process,
// built from the environment on the first call. No exception leaves them: the
// caller is C.

#include "comm/zorcomm.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <type_traits>

#include "comm/sim_link.h"
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

// The kernel's name for this boot: every process of it reads the same
// monotonic clock. Empty when it cannot be read.
std::string bootId() {
  const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[zor::sim::kMaxBootLength + 1];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  std::string id(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
  while (!id.empty() && id.back() == '\n') id.pop_back();
  const bool plain = id.size() <= zor::sim::kMaxBootLength && std::all_of(id.begin(), id.end(), [](char c) {
                       return std::isxdigit(static_cast<unsigned char>(c)) || c == '-';
                     });
  return plain ? id : std::string();
}

zor::sim::SimLink& link() {
  // Destroyed when the library unloads or the process exits; that saves the working time.
  static zor::sim::SimLink instance(
      zor::sim::configFromEnvironment([](const char* name) { return std::getenv(name); }, std::cerr), monotonicMs,
      std::cerr, bootId());
  return instance;
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

using zor::sim::kInternalError;

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
