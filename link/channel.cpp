#include "link/channel.h"

#include <array>

#include "protocol/zor_protocol.h"
#include "platform/operation.h"

namespace zor {

// The library reads the system names as C strings: both views must sit on
// literals whose terminator follows them.
static_assert(kCommandSystemName.data()[kCommandSystemName.size()] == u'\0');
static_assert(kStatusSystemName.data()[kStatusSystemName.size()] == u'\0');

CommandChannel::CommandChannel(const DeviceLink& link, platform::Pacer& pacer, ChannelHost& host)
    : link_(link), pacer_(pacer), host_(host) {}

void CommandChannel::EnsureConnected() {
  if (m_bConnected != 0) return;
  host_.showNotConnected();
  ConnectToSystem();
  // Nobody answered: the rest of this operation would only hand packets to a
  // library that has no system, and repeat the box before each of them.
  if (m_bConnected == 0) throw platform::OperationAborted{};
}

void CommandChannel::SendCommand(int code, int value) {
  EnsureConnected();
  const std::array<std::uint8_t, 4> packet{0xFF, 0xFF, static_cast<std::uint8_t>(code & 0xFF),
                                           static_cast<std::uint8_t>(value & 0xFF)};
  if (link_.dwSendCommand == nullptr) return;
  // The result says nothing the tool could act on.
  (void)link_.dwSendCommand(packet.data(), static_cast<std::int32_t>(packet.size()),
                            kCommandSystemName.data());
}

void CommandChannel::SendText(int code, std::u16string_view text) {
  // The controller takes text one byte per packet; it has no wide characters.
  for (char16_t unit : text) {
    SendCommand(CMD_TEXT_CHAR, unit & 0xFF);
    pacer_.sleep(kTextCharPause);
  }
  SendCommand(CMD_TEXT_CHAR, 0);
  pacer_.sleep(kTextCharPause);
  SendCommand(code, 0);
}

std::int32_t CommandChannel::QueryStatus(int code, void* buffer, std::int32_t length) {
  if (link_.dwGetStatus == nullptr) return kNoStatusEntryPoint;
  return link_.dwGetStatus(code, 0, static_cast<std::uint8_t*>(buffer), length,
                           kStatusSystemName.data());
}

void CommandChannel::ConnectToSystem() {
  if (link_.ZORFindSystems == nullptr) return;
  // Fresh per call: the library may keep nothing of ours between calls.
  std::array<std::uint8_t, kDiscoveryScratchSize> discovery{};
  std::int32_t found = 0;
  if (link_.ZORFindSystems(discovery.data(), &found) == 0) return;
  m_bConnected = 1;
  host_.onConnected();
}

}  // namespace zor
