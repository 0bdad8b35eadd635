#pragma once
// The device link as the tool sees it: the loaded library and its five entry
// points, each either empty or the address found in the library.

#include <cstdint>

extern "C" {
using DwSendCommandFn = std::int32_t (*)(const std::uint8_t* packet, std::int32_t length,
                                         const char16_t* systemName);
using DwSendDataFn = std::int32_t (*)(const std::uint8_t* data, std::int32_t length,
                                      const char16_t* systemName);
using DwGetStatusFn = std::int32_t (*)(std::int32_t statusCode, std::int32_t reserved,
                                       std::uint8_t* block, std::int32_t length,
                                       const char16_t* systemName);
using ZorFindSystemsFn = std::int32_t (*)(std::uint8_t* discovery, std::int32_t* found);
using ZorSystemCheckStatusFn = std::int32_t (*)(const char16_t* systemName);
}

namespace zor {

struct DeviceLink {
  void* m_hDeviceLink = nullptr;  // never released: the library stays loaded until exit
  DwSendCommandFn dwSendCommand = nullptr;
  DwSendDataFn dwSendData = nullptr;
  DwGetStatusFn dwGetStatus = nullptr;
  ZorFindSystemsFn ZORFindSystems = nullptr;
  ZorSystemCheckStatusFn ZORSystemCheckStatus = nullptr;

  void clearEntryPoints() {
    dwSendCommand = nullptr;
    dwSendData = nullptr;
    dwGetStatus = nullptr;
    ZORFindSystems = nullptr;
    ZORSystemCheckStatus = nullptr;
  }
};

}  // namespace zor
