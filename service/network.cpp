// The controller's network settings: MAC address, IP address, subnet mask
// and gateway, and its ship identifier. Every read checks the connection
// first and is followed by a pause; every Set by one after its commit.

#include <QtEndian>
#include <cstdio>

#include "mac/mac_mask.h"
#include "service/maintenance.h"
#include "service/messages.h"
#include "service/operation.h"

namespace zor::service {

namespace {

struct AddressKindRow {
  int getCode;
  int setCode;
  Input input;
  const char* unreadable;  // what the user is told when it cannot be read
  const char* incomplete;  // ... and when not all four fields are filled in
};

AddressKindRow Row(AddressKind kind) {
  switch (kind) {
    case AddressKind::Ip:
      return {protocol::CMD_GET_IP_ADDRESS, protocol::CMD_SET_IP_ADDRESS, Input::IpAddress,
              QT_TRANSLATE_NOOP("zor::service::Maintenance", "The IP address could not be read from the controller."),
              QT_TRANSLATE_NOOP(
                  "zor::service::Maintenance",
                  "The IP address is incomplete. Fill in all four fields before setting it. Nothing was sent.")};
    case AddressKind::SubnetMask:
      return {protocol::CMD_GET_SUBNET_MASK, protocol::CMD_SET_SUBNET_MASK, Input::SubnetMask,
              QT_TRANSLATE_NOOP("zor::service::Maintenance", "The subnet mask could not be read from the controller."),
              QT_TRANSLATE_NOOP(
                  "zor::service::Maintenance",
                  "The subnet mask is incomplete. Fill in all four fields before setting it. Nothing was sent.")};
    case AddressKind::Gateway:
      return {
          protocol::CMD_GET_GATEWAY, protocol::CMD_SET_GATEWAY, Input::Gateway,
          QT_TRANSLATE_NOOP("zor::service::Maintenance", "The gateway address could not be read from the controller."),
          QT_TRANSLATE_NOOP(
              "zor::service::Maintenance",
              "The gateway address is incomplete. Fill in all four fields before setting it. Nothing was sent.")};
  }
  return {};
}

}  // namespace

// The connection check, the query and its pause. A block the controller did
// not fill is not a value.
template <std::size_t N>
static Outcome Query(link::CommandChannel& channel, int code, std::array<std::uint8_t, N>& block,
                     const char* unreadable) {
  channel.EnsureConnected();
  const std::int32_t result = channel.QueryStatus(code, block.data(), static_cast<std::int32_t>(N));
  channel.pacer().sleep(kLanQueryPause);
  return result == 0 ? Outcome::done() : ReadFailed(Marked("zor::service::Maintenance", unreadable));
}

Reading<MacAddress> Maintenance::readMacAddress() {
  return read<MacAddress>([&]() -> Reading<MacAddress> {
    MacAddress mac{};
    if (Outcome o = Query(
            channel_, protocol::CMD_GET_MAC_ADDRESS, mac,
            QT_TRANSLATE_NOOP("zor::service::Maintenance", "The MAC address could not be read from the controller."));
        !o.ok())
      return o;
    return mac;
  });
}

// A partial text would be padded with zeros and could leave the controller
// with an address nobody meant to give it.
Outcome Maintenance::setMacAddress(std::u16string_view fieldText) {
  if (!mac::isCompleteMacAddress(fieldText)) return Outcome::refused(Input::MacAddress, MacIncompleteText());
  MacAddress bytes{};
  mac::parseMacAddress(fieldText, bytes);
  const std::u16string text = mac::formatMacAddress(bytes);
  return send({SetOperationName(Input::MacAddress), text}, [&] {
    channel_.SendText(protocol::CMD_SET_MAC_ADDRESS, text);
    channel_.pacer().sleep(kLanCommitPause);
    return Outcome::done();
  });
}

Reading<Ipv4> Maintenance::readAddress(AddressKind kind) {
  const AddressKindRow row = Row(kind);
  return read<Ipv4>([&]() -> Reading<Ipv4> {
    Ipv4 octets{};
    if (Outcome o = Query(channel_, row.getCode, octets, row.unreadable); !o.ok()) return o;
    return octets;
  });
}

// A blank field would go out as 0 and could make the controller unreachable.
// The controller takes the address as hexadecimal octets: c0.a8.01.0a.
Outcome Maintenance::setAddress(AddressKind kind, const std::optional<Ipv4>& address) {
  const AddressKindRow row = Row(kind);
  if (!address) {
    return Outcome::refused(row.input, Marked("zor::service::Maintenance", row.incomplete));
  }
  char buffer[16];
  const Ipv4& a = *address;
  std::snprintf(buffer, sizeof buffer, "%02x.%02x.%02x.%02x", a[0], a[1], a[2], a[3]);
  const std::u16string text(buffer, buffer + 11);
  return send({SetOperationName(row.input), text}, [&] {
    channel_.SendText(row.setCode, text);
    channel_.pacer().sleep(kLanCommitPause);
    return Outcome::done();
  });
}

Reading<std::uint32_t> Maintenance::readShipId() {
  return read<std::uint32_t>([&]() -> Reading<std::uint32_t> {
    std::array<std::uint8_t, protocol::kShipIdReplyLength> block{};
    if (Outcome o =
            Query(channel_, protocol::CMD_GET_SHIP_ID, block,
                  QT_TRANSLATE_NOOP("zor::service::Maintenance", "The SHIP ID could not be read from the controller."));
        !o.ok())
      return o;
    return qFromLittleEndian<std::uint32_t>(block.data());
  });
}

}  // namespace zor::service
