#pragma once
// What answers the five entry points of the device link, one per process,
// chosen by ZORCOMM_LINK: the controller in this process (SimLink, also for
// "none") or zor-simulator over its socket (SimulatorClient). Each serves
// one call at a time.

#include <cstdint>

namespace zor::comm {

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName) = 0;
  virtual std::int32_t getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                 std::int32_t length, const char16_t* systemName) = 0;
  virtual std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found) = 0;
  virtual std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* systemName) = 0;
  virtual std::int32_t checkStatus(const char16_t* systemName) = 0;
};

}  // namespace zor::comm
