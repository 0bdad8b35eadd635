#pragma once
// The device link as the tool sees it: the loaded library and its five entry
// points, each either empty or the address found in the library.

#include "protocol/zor_protocol.h"

namespace zor::link {

struct DeviceLink {
  void* handle = nullptr;  // never released: the library stays loaded until exit
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

}  // namespace zor::link
