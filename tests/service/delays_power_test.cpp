// Delays, test power, shutter, aiming and version on the fake device link:
// the packets each operation sends, the pulse range refused before anything
// goes out, and the connection check on the way.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "service/maintenance.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::service::Input;
using zor::service::Maintenance;
using zor::service::Outcome;
using zor::service::Status;

class DelaysPower : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("N-200")); }
};

struct SendCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  Transcript sent;
};

class DelaysPowerSends : public DelaysPower, public ::testing::WithParamInterface<SendCase> {};

TEST_P(DelaysPowerSends, TheirPackets) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
  EXPECT_EQ(t, GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Service, DelaysPowerSends,
    ::testing::Values(
        SendCase{"XMultiplier", [](Maintenance& s) { return s.setXMultiplier(u"2"); },
                 Transcript{"send 42 32", "wait 100", "send 42 00", "wait 100", "send 51 00"}},
        SendCase{"YMultiplierAsHeld", [](Maintenance& s) { return s.setYMultiplier(u" 0.75x"); },
                 TextSent(zor::protocol::CMD_SET_Y_MULTIPLIER, " 0.75x")},
        SendCase{"RcJumpDelay", [](Maintenance& s) { return s.setRcJumpDelay(u"15"); },
                 TextSent(zor::protocol::CMD_SET_RC_JUMP_DELAY, "15")},
        SendCase{"TestPowerHundred", [](Maintenance& s) { return s.testPowerOn(100); }, Transcript{"send 91 64"}},
        SendCase{"TestPowerZero", [](Maintenance& s) { return s.testPowerOn(0); }, Transcript{"send 91 00"}},
        SendCase{"TestPowerOne", [](Maintenance& s) { return s.testPowerOn(1); }, Transcript{"send 91 01"}},
        SendCase{"TestPowerFiftyFive", [](Maintenance& s) { return s.testPowerOn(55); }, Transcript{"send 91 37"}},
        SendCase{"TestPowerOff", [](Maintenance& s) { return s.testPowerOff(); }, Transcript{"send 81 00"}},
        SendCase{"ShutterOpen", [](Maintenance& s) { return s.shutter(true); }, Transcript{"send 87 00"}},
        SendCase{"ShutterClose", [](Maintenance& s) { return s.shutter(false); }, Transcript{"send 86 00"}},
        SendCase{"AimingOn", [](Maintenance& s) { return s.aiming(true); }, Transcript{"send 90 00"}},
        // Off is the command that also ends an adjustment.
        SendCase{"AimingOff", [](Maintenance& s) { return s.aiming(false); }, Transcript{"send 9A 00"}},
        SendCase{"ShowVersion", [](Maintenance& s) { return s.showVersion(); }, Transcript{"send F1 00"}},
        // Power and shutter keep no state of their own: any order, any repeat.
        SendCase{"PowerAndShutterInAnyOrder",
                 [](Maintenance& s) {
                   s.testPowerOff();
                   s.testPowerOn(30);
                   s.testPowerOn(30);
                   s.shutter(false);
                   s.shutter(true);
                   return s.shutter(true);
                 },
                 Transcript{"send 81 00", "send 91 1E", "send 91 1E", "send 86 00", "send 87 00", "send 87 00"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A pulse that is not a whole number in range would fire the laser at some
// other power (256 would travel as 0): refused before any connection attempt.
struct PulseCase {
  const char* name;
  std::optional<int> pulse;
};

class PulseRange : public ServiceOnLink, public ::testing::WithParamInterface<PulseCase> {};

TEST_P(PulseRange, IsRefusedBeforeAnythingElse) {
  fake.setFindResults({0});
  const Outcome outcome = service.testPowerOn(GetParam().pulse);
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, Input::Pulse);
  EXPECT_EQ(outcome.message, u"The pulse value must be a whole number from 0 to 100.");
  EXPECT_EQ(t, Transcript{});
  EXPECT_TRUE(host.records.empty());
}

INSTANTIATE_TEST_SUITE_P(Service, PulseRange,
                         ::testing::Values(PulseCase{"JustAbove", 101}, PulseCase{"LowByteWouldBeZero", 256},
                                           PulseCase{"Negative", -1}, PulseCase{"NotAWholeNumber", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the connection check ---------------------------------------------------------

struct PacketCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  const char* packet;
};

class DelaysPowerUnconnected : public ServiceOnLink, public ::testing::WithParamInterface<PacketCase> {};

TEST_P(DelaysPowerUnconnected, StopAfterTheFailedConnection) {
  fake.setFindResults({0});
  EXPECT_EQ(GetParam().run(service).status, Status::NotConnected);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
}

TEST_P(DelaysPowerUnconnected, AConnectionOnTheWayNamesTheSystemBeforeThePacket) {
  fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(42).model("N-200").reply());
  EXPECT_TRUE(GetParam().run(service).ok());
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", "identified N-200", GetParam().packet}));
}

INSTANTIATE_TEST_SUITE_P(
    Service, DelaysPowerUnconnected,
    ::testing::Values(PacketCase{"TestPowerOff", [](Maintenance& s) { return s.testPowerOff(); }, "send 81 00"},
                      PacketCase{"ShutterOpen", [](Maintenance& s) { return s.shutter(true); }, "send 87 00"},
                      PacketCase{"ShutterClose", [](Maintenance& s) { return s.shutter(false); }, "send 86 00"},
                      PacketCase{"ShowVersion", [](Maintenance& s) { return s.showVersion(); }, "send F1 00"},
                      PacketCase{"AimingOff", [](Maintenance& s) { return s.aiming(false); }, "send 9A 00"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zortest
