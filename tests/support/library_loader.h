#pragma once
// The built libZorComm.so (ZORCOMM_LIBRARY), loaded as the tool loads it.

#include <dlfcn.h>

#include <cstdint>
#include <string_view>

#include "comm/zorcomm.h"
#include "protocol/zor_protocol.h"

namespace zor::test {

struct Library {
  void* handle = nullptr;
  decltype(&dwSendCommand) send = nullptr;
  decltype(&dwGetStatus) status = nullptr;
  decltype(&ZORFindSystems) find = nullptr;
  decltype(&dwSendData) data = nullptr;
  decltype(&ZORSystemCheckStatus) check = nullptr;

  Library() {
    handle = dlopen(ZORCOMM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return;
    send = reinterpret_cast<decltype(send)>(dlsym(handle, "dwSendCommand"));
    status = reinterpret_cast<decltype(status)>(dlsym(handle, "dwGetStatus"));
    find = reinterpret_cast<decltype(find)>(dlsym(handle, "ZORFindSystems"));
    data = reinterpret_cast<decltype(data)>(dlsym(handle, "dwSendData"));
    check = reinterpret_cast<decltype(check)>(dlsym(handle, "ZORSystemCheckStatus"));
  }
  bool complete() const { return handle && send && status && find && data && check; }
  // The result of one packet.
  std::int32_t command(std::uint8_t code, std::uint8_t value = 0) const {
    const std::uint8_t packet[4] = {0xFF, 0xFF, code, value};
    return send(packet, 4, u"SYSTEM NAME NOT USED");
  }
  // What the tool's SendText does; the result of the committing command.
  std::int32_t text(std::uint8_t code, std::string_view value) const {
    for (char c : value) command(protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(c));
    command(protocol::CMD_TEXT_CHAR, 0);
    return command(code);
  }
};

}  // namespace zor::test
