// The service layer on the fake device link: what each operation sends when a
// packet is not taken, what it refuses before sending, and what it reports
// to the service log.
#include "service/maintenance.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "service/adjustment.h"
#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::service::Adjustment;
using zor::service::AdjustmentSession;
using zor::service::Direction;
using zor::service::Input;
using zor::service::Maintenance;
using zor::service::Outcome;
using zor::service::Status;

class ServiceTest : public ServiceOnLink {
 protected:
  void SetUp() override { connect(Block().serial(42).model("NZ-7")); }
};

// ---- a packet the device link does not take ------------------------------------

struct RefusedCase {
  const char* name;
  std::size_t refused;  // which packet is not taken
  std::function<Outcome(Maintenance&)> run;
  Transcript sent;          // everything up to and including the refused packet
  const char16_t* caution;  // the last line of the message, or nullptr
};

class RefusedPacket : public ServiceTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedPacket, EndsTheOperationThereAndSaysSo) {
  const RefusedCase& c = GetParam();
  fake.refusePacket(c.refused);
  const Outcome outcome = c.run(service);
  EXPECT_EQ(t, c.sent);
  EXPECT_EQ(outcome.status, Status::NotAccepted);
  EXPECT_NE(outcome.message.find(u"did not accept the command (device link result 2)"), std::u16string::npos);
  if (c.caution) {
    EXPECT_TRUE(outcome.message.ends_with(c.caution)) << Utf8(outcome.message);
  }
  EXPECT_FALSE(service.isConnected());
  ASSERT_EQ(host.records.size(), 1u) << "one log line for the operation";
  EXPECT_EQ(host.records[0].outcome.status, Status::NotAccepted);
}

INSTANTIATE_TEST_SUITE_P(
    Service, RefusedPacket,
    ::testing::Values(
        RefusedCase{"TextCharacterNeverCommits", 2, [](Maintenance& s) { return s.setMaxCurrent(u"1.5"); },
                    Transcript{"send 42 31", "wait 100", "send 42 2E -> 2"}, nullptr},
        RefusedCase{"EndOfTextNeverCommits", 2, [](Maintenance& s) { return s.setLens(u"6"); },
                    Transcript{"send 42 36", "wait 100", "send 42 00 -> 2"}, nullptr},
        RefusedCase{"XHalfStopsTheYHalf", 3, [](Maintenance& s) { return s.setScale(u"1", u"2"); },
                    Transcript{"send 42 31", "wait 100", "send 42 00", "wait 100", "send 1A 00 -> 2"}, nullptr},
        RefusedCase{"MoveXStopsMoveY", 1, [](Maintenance& s) { return s.moveTo(1, 2); }, Transcript{"send BE 01 -> 2"},
                    nullptr},
        RefusedCase{"ShutterClose", 1, [](Maintenance& s) { return s.shutter(false); }, Transcript{"send 86 00 -> 2"},
                    u"The shutter may still be open."},
        RefusedCase{"TestPowerOff", 1, [](Maintenance& s) { return s.testPowerOff(); }, Transcript{"send 81 00 -> 2"},
                    u"The test power may still be on."},
        RefusedCase{"AimingOff", 1, [](Maintenance& s) { return s.aiming(false); }, Transcript{"send 9A 00 -> 2"},
                    u"The aiming diode may still be on."},
        RefusedCase{"MacCommitSkipsItsPause", 19, [](Maintenance& s) { return s.setMacAddress(u"00:00:00:00:00:00"); },
                    [] {
                      Transcript sent;
                      for (char c : std::string("00:00:00:00:00:00"))
                        for (const char* e : {c == ':' ? "send 42 3A" : "send 42 30", "wait 100"}) sent.add(e);
                      sent.add("send 42 00");
                      sent.add("wait 100");
                      sent.add("send C0 00 -> 2");
                      return sent;
                    }(),
                    nullptr},
        RefusedCase{"AimingSaveNeverEnds", 2,
                    [](Maintenance& s) {
                      AdjustmentSession aiming(s, Adjustment::Aiming);
                      aiming.begin();
                      return aiming.save();
                    },
                    Transcript{"send 0B 00", "send 0D 00 -> 2"}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a change the controller took but could not save (result 5) ------------------

struct NotKeptCase {
  const char* name;
  std::size_t notKept;  // the packet the controller takes without saving
  std::function<Outcome(Maintenance&)> run;
  std::size_t packets;  // every one of them goes out
};

class NotKeptChange : public ServiceTest, public ::testing::WithParamInterface<NotKeptCase> {};

TEST_P(NotKeptChange, GoesOnConnectedAndSaysSo) {
  const NotKeptCase& c = GetParam();
  fake.refusePacket(c.notKept, 5);
  const Outcome outcome = c.run(service);
  EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
  EXPECT_TRUE(outcome.notKept);
  std::size_t packets = 0;
  for (const std::string& e : t.events()) packets += e.starts_with("send") ? 1 : 0;
  EXPECT_EQ(packets, c.packets);
  ASSERT_EQ(host.records.size(), 1u);
  EXPECT_TRUE(host.records[0].outcome.notKept);
  t.clear();
  EXPECT_FALSE(service.showVersion().notKept);
  EXPECT_EQ(t, (Transcript{"send F1 00"})) << "still connected";
}

INSTANTIATE_TEST_SUITE_P(Service, NotKeptChange,
                         ::testing::Values(NotKeptCase{"XHalfThenTheYHalf", 3,
                                                       [](Maintenance& s) { return s.setScale(u"1", u"2"); }, 6},
                                           NotKeptCase{"AimingSaveThenTheEndOfItsMode", 3,
                                                       [](Maintenance& s) {
                                                         AdjustmentSession aiming(s, Adjustment::Aiming);
                                                         aiming.begin();
                                                         aiming.nextPoint();
                                                         return aiming.save();
                                                       },
                                                       4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceTest, AfterARefusedPacketTheNextOperationLooksForTheSystemFirst) {
  fake.refusePacket(1);
  service.showVersion();
  t.clear();
  EXPECT_TRUE(service.showVersion().ok());
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "query 142/38 -> 0", "identified NZ-7", "send F1 00"}));
}

// ---- refused before anything is sent ---------------------------------------------

struct TextCase {
  const char* name;
  std::u16string text;
  const char16_t* said;  // nullptr: accepted
};

class ControllerText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ControllerText, OnlyWhatOneTextOfOneByteCharactersCarriesPasses) {
  const Outcome outcome = zor::service::CheckOneByteText(Input::Lens, GetParam().text);
  if (GetParam().said == nullptr) {
    EXPECT_TRUE(outcome.ok()) << Utf8(outcome.message);
    return;
  }
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, Input::Lens);
  EXPECT_TRUE(outcome.message.starts_with(u"The Lens ")) << Utf8(outcome.message);
  EXPECT_NE(outcome.message.find(GetParam().said), std::u16string::npos) << Utf8(outcome.message);
}

INSTANTIATE_TEST_SUITE_P(
    Service, ControllerText,
    ::testing::Values(TextCase{"Ascii", u"163", nullptr}, TextCase{"Latin1", u"\u00FF\u00B5", nullptr},
                      TextCase{"Empty", u"", nullptr},
                      TextCase{"SentAsADigit", u"1\u01305", u"\u201C\u0130\u201D (U+0130)"},
                      TextCase{"WouldEndTheText", u"1\u01005", u"\u201C\u0100\u201D (U+0100)"},
                      TextCase{"ZeroEndsTheText",
                               std::u16string(u"1\0"
                                              "5",
                                              3),
                               u"character (U+0000)"},
                      TextCase{"IdeographicSpace", u"\u3000", u"(U+3000)"},
                      TextCase{"SurrogatePair", u"x\U0001F600", u"\u201C\U0001F600\u201D (U+1F600)"},
                      // The controller's buffer holds 64 characters; the end of the text takes no place.
                      TextCase{"FillsTheBuffer", std::u16string(64, u'9'), nullptr},
                      TextCase{"OneBeyondTheBuffer", std::u16string(65, u'9'),
                               u"is too long: it goes out as 65 characters, and the controller takes at most 64 "
                               u"in one text. Nothing was sent."}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  std::function<Outcome(Maintenance&)> run;
  Input input;
  bool silent;
};

class Refusals : public ServiceTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, SendNothingAndAreNotLogged) {
  const Outcome outcome = GetParam().run(service);
  EXPECT_EQ(outcome.status, Status::Refused);
  EXPECT_EQ(outcome.input, GetParam().input);
  EXPECT_EQ(outcome.message.empty(), GetParam().silent);
  EXPECT_EQ(t, Transcript{});
  EXPECT_TRUE(host.records.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Service, Refusals,
    ::testing::Values(
        RefusalCase{"YOfTwoChecksBeforeX", [](Maintenance& s) { return s.setDistortion(u"1", u"\u0100"); },
                    Input::DistortionY, false},
        RefusalCase{"WrongPassword", [](Maintenance& s) { return s.setSerialNumber(u"KPLVoxen ", u"1"); },
                    Input::Password, true},
        RefusalCase{"ControllerModelBeyondLatin1",
                    [](Maintenance& s) { return s.setControllerModel(u"kplvoxen", u"10\u20AC", -1); },
                    Input::ControllerModel, false},
        // Its flag prefix and closing blank go out too: 2 + 62 + 1 characters.
        RefusalCase{"ControllerModelWhoseWholeTextOverflows",
                    [](Maintenance& s) { return s.setControllerModel(u"kplvoxen", std::u16string(62, u'1'), -1); },
                    Input::ControllerModel, false},
        RefusalCase{"OverlongXMultiplier",
                    [](Maintenance& s) { return s.setXMultiplier(std::u16string(100000, u'1')); }, Input::XMultiplier,
                    false},
        RefusalCase{"OverlongYOfTwo", [](Maintenance& s) { return s.setScale(u"1", std::u16string(65, u'1')); },
                    Input::ScaleY, false},
        RefusalCase{"WorkTimeWrongPassword", [](Maintenance& s) { return s.resetWorkTime(u"", 5); }, Input::Password,
                    true},
        RefusalCase{"MoveYAboveOneByte", [](Maintenance& s) { return s.moveTo(255, 256); }, Input::MoveY, false},
        RefusalCase{"PulseAbove100", [](Maintenance& s) { return s.testPowerOn(101); }, Input::Pulse, false},
        RefusalCase{"PulseNotANumber", [](Maintenance& s) { return s.testPowerOn(std::nullopt); }, Input::Pulse, false},
        RefusalCase{"MacIncomplete", [](Maintenance& s) { return s.setMacAddress(u"00:11:2"); }, Input::MacAddress,
                    false},
        RefusalCase{"GatewayIncomplete",
                    [](Maintenance& s) { return s.setAddress(zor::service::AddressKind::Gateway, std::nullopt); },
                    Input::Gateway, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- what the service log gets -------------------------------------------------------

TEST_F(ServiceTest, EachSendingOperationIsReportedOnceWithTheValueSent) {
  service.setSerialNumber(u"kplvoxen", u"100042");
  service.setAddress(zor::service::AddressKind::Ip, zor::service::Ipv4{192, 168, 1, 10});
  service.moveTo(300, 5);  // refused: not reported
  service.readCurrents();  // a read: not reported
  service.shutter(true);
  ASSERT_EQ(host.records.size(), 3u);
  EXPECT_EQ(host.records[0].operation, u"set serial");
  EXPECT_EQ(host.records[0].value, u"100042");
  EXPECT_EQ(host.records[1].operation, u"set ip");
  EXPECT_EQ(host.records[1].value, u"c0.a8.01.0a");
  EXPECT_EQ(host.records[2].operation, u"shutter open");
  for (const auto& record : host.records) {
    EXPECT_TRUE(record.outcome.ok());
    EXPECT_EQ(record.value.find(u"voxen"), std::u16string::npos) << "never the password";
  }
}

TEST_F(ServiceTest, AnAdjustmentIsOneOperationWithItsMoves) {
  {
    AdjustmentSession center(service, Adjustment::Center);
    center.begin();
    center.jog(Direction::Up);
    center.jog(Direction::Up);
    center.jog(Direction::Left);
    center.save();
  }
  {
    AdjustmentSession distortion(service, Adjustment::Distortion);
    distortion.begin();
    distortion.jog(Direction::Right);
    distortion.cancel();
  }
  EXPECT_EQ(t, (Transcript{"send 28 00", "send 04 00", "send 04 00", "send 07 00", "send 2A 00", "send 03 00",
                           "send 06 00", "send 9A 00"}));
  ASSERT_EQ(host.records.size(), 2u);
  EXPECT_EQ(host.records[0].operation, u"adjust center");
  EXPECT_EQ(host.records[0].value, u"UUL save");
  EXPECT_EQ(host.records[1].operation, u"adjust distortion");
  EXPECT_EQ(host.records[1].value, u"R cancel");
}

// ---- an adjustment whatever fails on the way ----------------------------------------

enum class Press { Up, Next, Save, Cancel };

struct AdjustmentCase {
  const char* name;
  Adjustment kind;
  std::size_t refused;  // the packet, counted from the begin, that the link does not take
  bool systemGone;      // after it, no system answers the connection check
  std::vector<Press> presses;
  std::vector<std::string> sent;  // packets and pauses
  bool ended;
  const char16_t* logged;  // the value of its one log line
  Status outcome;          // and its outcome
};

class AdjustmentFailures : public ServiceTest, public ::testing::WithParamInterface<AdjustmentCase> {};

TEST_P(AdjustmentFailures, KeepTheAdjustmentItsCodesAndOneLogLine) {
  const AdjustmentCase& c = GetParam();
  fake.refusePacket(c.refused);
  if (c.systemGone) fake.setFindResults({0});
  bool ended = false;
  {
    AdjustmentSession adjustment(service, c.kind);
    adjustment.begin();
    for (Press press : c.presses) {
      switch (press) {
        case Press::Up:
          adjustment.jog(Direction::Up);
          break;
        case Press::Next:
          adjustment.nextPoint();
          break;
        case Press::Save:
          adjustment.save();
          break;
        case Press::Cancel:
          adjustment.cancel();
          break;
      }
    }
    ended = adjustment.ended();
  }
  std::vector<std::string> sent;
  for (const std::string& e : t.events())
    if (e.starts_with("send") || e.starts_with("wait")) sent.push_back(e);
  EXPECT_EQ(sent, c.sent);
  EXPECT_EQ(ended, c.ended);
  ASSERT_EQ(host.records.size(), 1u);
  EXPECT_EQ(Utf8(host.records[0].value), Utf8(c.logged));
  EXPECT_EQ(host.records[0].outcome.status, c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Service, AdjustmentFailures,
    ::testing::Values(AdjustmentCase{"CenterSavesWithItsOwnCodeAfterARefusedJog",
                                     Adjustment::Center,
                                     2,
                                     false,
                                     {Press::Up, Press::Up, Press::Save},
                                     {"send 28 00", "send 04 00 -> 2", "send 04 00", "send 2A 00"},
                                     true,
                                     u"U save",
                                     Status::Done},
                      AdjustmentCase{"DistortionCancelsAfterARefusedJog",
                                     Adjustment::Distortion,
                                     2,
                                     false,
                                     {Press::Up, Press::Cancel},
                                     {"send 03 00", "send 04 00 -> 2", "send 9A 00"},
                                     true,
                                     u"cancel",
                                     Status::Done},
                      AdjustmentCase{
                          "AimingSaveRefusedIsSentAgain",
                          Adjustment::Aiming,
                          3,
                          false,
                          {Press::Next, Press::Save, Press::Save},
                          {"send 0B 00", "send 0C 00", "send 0D 00 -> 2", "send 0D 00", "wait 500", "send 9A 00"},
                          true,
                          u"| save",
                          Status::Done},
                      AdjustmentCase{"AimingSaveRefusedThenCancelled",
                                     Adjustment::Aiming,
                                     3,
                                     false,
                                     {Press::Next, Press::Save, Press::Cancel},
                                     {"send 0B 00", "send 0C 00", "send 0D 00 -> 2", "send 9A 00"},
                                     true,
                                     u"| cancel",
                                     Status::Done},
                      // The end reached the link: the adjustment is over, whatever the link said.
                      AdjustmentCase{"AimingEndRefusedAfterTheSave",
                                     Adjustment::Aiming,
                                     4,
                                     false,
                                     {Press::Next, Press::Save},
                                     {"send 0B 00", "send 0C 00", "send 0D 00", "wait 500", "send 9A 00 -> 2"},
                                     true,
                                     u"| save",
                                     Status::NotAccepted},
                      AdjustmentCase{"AimingNextRefusedIsNoStep",
                                     Adjustment::Aiming,
                                     2,
                                     false,
                                     {Press::Next, Press::Next, Press::Up, Press::Cancel},
                                     {"send 0B 00", "send 0C 00 -> 2", "send 0C 00", "send 04 00", "send 9A 00"},
                                     true,
                                     u"|U cancel",
                                     Status::Done},
                      // Nothing reached the link, so nothing ended: the line is written when it is let go.
                      AdjustmentCase{"CancelWithNoSystemLeft",
                                     Adjustment::Distortion,
                                     2,
                                     true,
                                     {Press::Up, Press::Cancel},
                                     {"send 03 00", "send 04 00 -> 2"},
                                     false,
                                     u"cancel",
                                     Status::NotConnected}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceTest, NoSystemAtAllIsNotConnectedAndSendsNothing) {
  fake.refusePacket(1);
  service.showVersion();  // lose the connection
  fake.setFindResults({0});
  t.clear();
  host.records.clear();
  EXPECT_EQ(service.setLens(u"60").status, Status::NotConnected);
  EXPECT_EQ(service.readWorkTime().status, Status::NotConnected);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0", kNotConnectedBox, "find -> 0"}));
  EXPECT_TRUE(host.records.empty());
}

// ---- the identity at connection ----------------------------------------------------

TEST_F(ServiceTest, AnUnreadableIdentityKeepsTheOneKnownBefore) {
  fake.setStatusUntouched(zor::protocol::CMD_GET_SYSTEM_INFO, 1);
  service.connect();
  EXPECT_EQ(t, (Transcript{"find -> 1", "query 142/38 -> 1", "unidentified"}));
  ASSERT_TRUE(service.identity().has_value());
  EXPECT_EQ(service.identity()->info.serial, 42);
}

}  // namespace
}  // namespace zortest
