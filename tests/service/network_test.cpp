// The network settings and the SHIP ID on the fake device link: the text each
// Set sends and its pause, the incomplete entries refused before anything goes
// out, how the reads decode and pause, and the connection check.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "service/format.h"
#include "service/maintenance.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::service::AddressKind;
using zor::service::Input;
using zor::service::Ipv4;
using zor::service::Maintenance;
using zor::service::Outcome;
using zor::service::Status;

class Network : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-100")); }
};

// ---- Sets ------------------------------------------------------------------------

struct SetCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  const char* sent;  // the text, in the controller's format
  int code;
};

class NetworkSets : public Network, public ::testing::WithParamInterface<SetCase> {};

TEST_P(NetworkSets, SendTheTextThenPauseAfterTheCommit) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
  Transcript expected = TextSent(GetParam().code, GetParam().sent);
  expected.add("wait 100");
  EXPECT_EQ(t, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Service, NetworkSets,
    ::testing::Values(SetCase{"MacZeros", [](Maintenance& s) { return s.setMacAddress(u"00:00:00:00:00:00"); },
                              "00:00:00:00:00:00", zor::protocol::CMD_SET_MAC_ADDRESS},
                      SetCase{"MacTyped", [](Maintenance& s) { return s.setMacAddress(u"0A:1B:2C:3D:4E:5F"); },
                              "0A:1B:2C:3D:4E:5F", zor::protocol::CMD_SET_MAC_ADDRESS},
                      // Addresses go out as hexadecimal octets.
                      SetCase{"IpAddress",
                              [](Maintenance& s) {
                                return s.setAddress(AddressKind::Ip, Ipv4{192, 168, 1, 10});
                              },
                              "c0.a8.01.0a", zor::protocol::CMD_SET_IP_ADDRESS},
                      SetCase{"SubnetMask",
                              [](Maintenance& s) {
                                return s.setAddress(AddressKind::SubnetMask, Ipv4{255, 255, 255, 0});
                              },
                              "ff.ff.ff.00", zor::protocol::CMD_SET_SUBNET_MASK},
                      SetCase{"Gateway",
                              [](Maintenance& s) {
                                return s.setAddress(AddressKind::Gateway, Ipv4{10, 0, 0, 254});
                              },
                              "0a.00.00.fe", zor::protocol::CMD_SET_GATEWAY},
                      SetCase{"ZerosOnPurpose",
                              [](Maintenance& s) {
                                return s.setAddress(AddressKind::Ip, Ipv4{0, 0, 0, 0});
                              },
                              "00.00.00.00", zor::protocol::CMD_SET_IP_ADDRESS}),
    [](const auto& info) { return std::string(info.param.name); });

// A partial entry would go out padded with zeros and could leave the
// controller unreachable: nothing half-entered is sent.
struct IncompleteCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  Input input;
  std::u16string message;
};

class Incomplete : public Network, public ::testing::WithParamInterface<IncompleteCase> {};

TEST_P(Incomplete, IsRefusedWithNothingSent) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, GetParam().input);
  EXPECT_EQ(Utf8(outcome.message), Utf8(GetParam().message));
  EXPECT_EQ(t, Transcript{});
  EXPECT_TRUE(host.records.empty());
}

std::u16string AddressIncomplete(std::u16string_view what) {
  return u"The " + std::u16string(what) +
         u" is incomplete. Fill in all four fields before setting it. Nothing was sent.";
}

INSTANTIATE_TEST_SUITE_P(
    Service, Incomplete,
    ::testing::Values(
        IncompleteCase{"MacPartial", [](Maintenance& s) { return s.setMacAddress(u"00:11:2"); }, Input::MacAddress,
                       std::u16string(zor::service::kMacIncompleteMessage)},
        IncompleteCase{"MacEmpty", [](Maintenance& s) { return s.setMacAddress(u""); }, Input::MacAddress,
                       std::u16string(zor::service::kMacIncompleteMessage)},
        IncompleteCase{"MacOneDigitShort", [](Maintenance& s) { return s.setMacAddress(u"00:11:22:33:44:5"); },
                       Input::MacAddress, std::u16string(zor::service::kMacIncompleteMessage)},
        IncompleteCase{"IpAddress", [](Maintenance& s) { return s.setAddress(AddressKind::Ip, std::nullopt); },
                       Input::IpAddress, AddressIncomplete(u"IP address")},
        IncompleteCase{"SubnetMask", [](Maintenance& s) { return s.setAddress(AddressKind::SubnetMask, std::nullopt); },
                       Input::SubnetMask, AddressIncomplete(u"subnet mask")},
        IncompleteCase{"Gateway", [](Maintenance& s) { return s.setAddress(AddressKind::Gateway, std::nullopt); },
                       Input::Gateway, AddressIncomplete(u"gateway address")}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- reads -----------------------------------------------------------------------

struct ReadCase {
  const char* name;
  std::function<std::u16string(Maintenance&, Outcome&)> run;  // the value as shown
  int code;
  std::vector<std::uint8_t> reply;
  const char16_t* shown;
  const char16_t* what;  // in the failure's message
};

template <class T, class Format>
std::u16string Shown(zor::service::Reading<T> reading, Outcome& outcome, Format format) {
  outcome = reading;
  return reading.ok() ? format(reading.value) : std::u16string();
}

std::function<std::u16string(Maintenance&, Outcome&)> Address(AddressKind kind) {
  return [kind](Maintenance& s, Outcome& o) { return Shown(s.readAddress(kind), o, zor::service::FormatDotted); };
}

const auto kMac = [](Maintenance& s, Outcome& o) {
  return Shown(s.readMacAddress(), o, zor::service::FormatMacAddress);
};
const auto kShipId = [](Maintenance& s, Outcome& o) { return Shown(s.readShipId(), o, zor::service::FormatHex8); };

const ReadCase kReads[] = {
    {"Mac",
     kMac,
     zor::protocol::CMD_GET_MAC_ADDRESS,
     {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E},
     u"00:1A:2B:3C:4D:5E",
     u"MAC address"},
    {"IpAddress",
     Address(AddressKind::Ip),
     zor::protocol::CMD_GET_IP_ADDRESS,
     {0xC0, 0xA8, 0x01, 0x0A},
     u"192.168.1.10",
     u"IP address"},
    {"SubnetMask",
     Address(AddressKind::SubnetMask),
     zor::protocol::CMD_GET_SUBNET_MASK,
     {0xFF, 0xFF, 0xFF, 0x00},
     u"255.255.255.0",
     u"subnet mask"},
    {"Gateway",
     Address(AddressKind::Gateway),
     zor::protocol::CMD_GET_GATEWAY,
     {0xC0, 0xA8, 0x01, 0x01},
     u"192.168.1.1",
     u"gateway address"},
    {"ZeroAddress",
     Address(AddressKind::Ip),
     zor::protocol::CMD_GET_IP_ADDRESS,
     {0, 0, 0, 0},
     u"0.0.0.0",
     u"IP address"},
    {"ShipIdLittleEndian", kShipId, zor::protocol::CMD_GET_SHIP_ID, {0x78, 0x56, 0x34, 0x12}, u"12345678", u"SHIP ID"},
    {"ShipIdZeroPadded", kShipId, zor::protocol::CMD_GET_SHIP_ID, {0x0A, 0, 0, 0}, u"0000000a", u"SHIP ID"},
    {"ShipIdUnsigned", kShipId, zor::protocol::CMD_GET_SHIP_ID, {0xFF, 0xFF, 0xFF, 0xFF}, u"ffffffff", u"SHIP ID"},
};

std::string Query(const ReadCase& c, int result) {
  return "query " + std::to_string(c.code) + "/" + std::to_string(c.reply.size()) + " -> " + std::to_string(result);
}

class NetworkReads : public Network, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(NetworkReads, DecodeTheReplyThenPause) {
  const ReadCase& c = GetParam();
  fake.setStatus(c.code, c.reply);
  Outcome outcome;
  EXPECT_EQ(Utf8(c.run(service, outcome)), Utf8(c.shown));
  EXPECT_TRUE(outcome.ok());
  EXPECT_EQ(t, (Transcript{Query(c, 0), "wait 300"}));
}

// A failing library may still have scribbled into the block: no value either way.
TEST_P(NetworkReads, FailSayingWhatCouldNotBeReadWhateverTheBlockHolds) {
  const ReadCase& c = GetParam();
  for (bool blockWritten : {false, true}) {
    SCOPED_TRACE(blockWritten ? "block written" : "block untouched");
    t.clear();
    if (blockWritten)
      fake.setStatus(c.code, std::vector<std::uint8_t>(6, 0xEE), 5);
    else
      fake.setStatusUntouched(c.code, 1);
    Outcome outcome;
    EXPECT_EQ(c.run(service, outcome), u"");
    EXPECT_EQ(outcome.status, Status::ReadFailed);
    EXPECT_EQ(Utf8(outcome.message), "The " + Utf8(c.what) + " could not be read from the controller.");
    EXPECT_EQ(t, (Transcript{Query(c, blockWritten ? 5 : 1), "wait 300"}));
  }
}

INSTANTIATE_TEST_SUITE_P(Service, NetworkReads, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceOnLink, WithoutAStatusEntryPointAReadStillWaitsAndSaysSo) {
  fake.remove(RecordingLink::Entry::GetStatus);
  const zor::link::DeviceLink bare = fake.link();
  Maintenance withoutStatus{bare, pacer, host};
  withoutStatus.connect();
  t.clear();
  const auto reading = withoutStatus.readShipId();
  EXPECT_EQ(reading.status, Status::ReadFailed);
  EXPECT_EQ(reading.message, u"The SHIP ID could not be read from the controller.");
  EXPECT_EQ(t, (Transcript{"wait 300"}));
}

// ---- no controller ---------------------------------------------------------------

struct UnconnectedCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
};

class NetworkUnconnected : public ServiceOnLink, public ::testing::WithParamInterface<UnconnectedCase> {};

TEST_P(NetworkUnconnected, AskOnceAndStopWhenNobodyAnswers) {
  fake.setFindResults({0});
  EXPECT_EQ(GetParam().run(service).status, Status::NotConnected);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
}

INSTANTIATE_TEST_SUITE_P(
    Service, NetworkUnconnected,
    ::testing::Values(UnconnectedCase{"MacGet", [](Maintenance& s) -> Outcome { return s.readMacAddress(); }},
                      UnconnectedCase{"IpGet",
                                      [](Maintenance& s) -> Outcome { return s.readAddress(AddressKind::Ip); }},
                      UnconnectedCase{"ShipIdGet", [](Maintenance& s) -> Outcome { return s.readShipId(); }},
                      UnconnectedCase{"MacSet", [](Maintenance& s) { return s.setMacAddress(u"00:00:00:00:00:00"); }},
                      UnconnectedCase{"GatewaySet",
                                      [](Maintenance& s) {
                                        return s.setAddress(AddressKind::Gateway, Ipv4{192, 168, 1, 1});
                                      }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zortest
