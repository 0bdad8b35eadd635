#include "link/channel.h"

#include <array>

#include "protocol/link_results.h"

namespace zor::link {

// The library reads the system names as C strings: both views must sit on
// literals whose terminator follows them.
static_assert(kCommandSystemName.data()[kCommandSystemName.size()] == u'\0');
static_assert(kStatusSystemName.data()[kStatusSystemName.size()] == u'\0');

CommandChannel::CommandChannel(const DeviceLink& link, Pacer& pacer, ChannelHost& host)
    : link_(link), pacer_(pacer), host_(host) {}

void CommandChannel::EnsureConnected() {
  if (connected_ != 0) return;
  host_.showNotConnected();
  ConnectToSystem();
  // Nobody answered: the rest of this operation would only hand packets to a
  // library that has no system, and repeat the message before each of them.
  if (connected_ == 0) throw ChannelStopped{ChannelStopped::Why::NotConnected};
}

void CommandChannel::SendCommand(int code, int value) {
  EnsureConnected();
  const std::array<std::uint8_t, protocol::kPacketLength> packet{protocol::kPacketLead, protocol::kPacketLead,
                                                                 static_cast<std::uint8_t>(code & 0xFF),
                                                                 static_cast<std::uint8_t>(value & 0xFF)};
  if (link_.dwSendCommand == nullptr) return;
  ++packetsOffered_;
  const std::int32_t result =
      link_.dwSendCommand(packet.data(), static_cast<std::int32_t>(packet.size()), kCommandSystemName.data());
  if (result == 0) return;
  // Taken, but not saved: the controller holds the change until it ends.
  // Stopping here would leave an operation half done for nothing.
  if (result == protocol::kNotKept) {
    ++packetsNotKept_;
    return;
  }
  // Whatever stopped this packet may have lost the system: look for it again
  // before the next operation sends anything.
  connected_ = 0;
  throw ChannelStopped{ChannelStopped::Why::NotAccepted, result, packet[2], packet[3]};
}

void CommandChannel::SendText(int code, std::u16string_view text) {
  for (char16_t unit : text) {
    SendCommand(protocol::CMD_TEXT_CHAR, unit & 0xFF);
    pacer_.sleep(kTextCharPause);
  }
  SendCommand(protocol::CMD_TEXT_CHAR, 0);
  pacer_.sleep(kTextCharPause);
  SendCommand(code, 0);
}

std::int32_t CommandChannel::QueryStatus(int code, void* buffer, std::int32_t length) {
  if (link_.dwGetStatus == nullptr) return kNoStatusEntryPoint;
  return link_.dwGetStatus(code, 0, static_cast<std::uint8_t*>(buffer), length, kStatusSystemName.data());
}

void CommandChannel::ConnectToSystem() {
  if (FindSystems()) MarkConnected();
}

bool CommandChannel::FindSystems() {
  systems_.clear();
  if (link_.ZORFindSystems == nullptr) return false;
  // Fresh per call: the library may keep nothing of ours between calls.
  std::array<std::uint8_t, protocol::kDiscoveryScratchSize> discovery{};
  std::int32_t found = 0;
  const bool answered = link_.ZORFindSystems(discovery.data(), &found) != 0;
  systems_ = ParseDiscovery(discovery.data(), found);
  return answered;
}

void CommandChannel::MarkConnected() {
  connected_ = 1;
  host_.onConnected();
}

}  // namespace zor::link
