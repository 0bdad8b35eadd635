#include "link/channel.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/support/link_test_util.h"
#include "tests/support/recording_link.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

using Entry = RecordingLink::Entry;

class ChannelTest : public ::testing::Test {
 protected:
  Transcript t;
  RecordingLink fake{t};
  VirtualPacer pacer{t};
  TestHost host{t};
  zor::link::DeviceLink link = fake.link();
  zor::link::CommandChannel channel{link, pacer, host};

  void without(Entry entry) {
    fake.remove(entry);
    link = fake.link();
  }
  // Connected, with nothing recorded yet.
  void connect() {
    fake.setFindResults({1});
    channel.ConnectToSystem();
    ASSERT_TRUE(channel.isConnected());
    t.clear();
  }
};

// --- Packets once connected ---------------------------------------------------

struct PacketCase {
  int code;
  int value;
  const char* event;
  friend void PrintTo(const PacketCase& c, std::ostream* out) { *out << c.code << "," << c.value; }
};

class SendCommandPacket : public ChannelTest, public ::testing::WithParamInterface<PacketCase> {};

TEST_P(SendCommandPacket, SendsTheLowByteOfCodeAndValueWithoutABox) {
  connect();
  channel.SendCommand(GetParam().code, GetParam().value);
  EXPECT_EQ(t, (Transcript{GetParam().event}));
}

INSTANTIATE_TEST_SUITE_P(Channel, SendCommandPacket,
                         ::testing::Values(PacketCase{zor::protocol::CMD_SHOW_VERSION, 0, "send F1 00"},
                                           PacketCase{zor::protocol::CMD_RESET_SERIAL, 0xFF, "send 31 FF"},
                                           PacketCase{zor::protocol::CMD_TEST_POWER_ON, 100, "send 91 64"},
                                           PacketCase{0x1BE, 0x1234, "send BE 34"}, PacketCase{-1, -2, "send FF FE"}));

struct TextCase {
  const char* name;
  int code;
  std::u16string text;
  Transcript expected;
  friend void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }
};

class SendTextSequence : public ChannelTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SendTextSequence, SendsEachCodeUnitsLowByteThenEndThenCommand) {
  connect();
  channel.SendText(GetParam().code, GetParam().text);
  EXPECT_EQ(t, GetParam().expected);
  EXPECT_EQ(pacer.now(), 100 * static_cast<long long>(GetParam().text.size() + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Channel, SendTextSequence,
    ::testing::Values(
        TextCase{"Lens163",
                 zor::protocol::CMD_SET_LENS,
                 u"163",
                 {"send 42 31", "wait 100", "send 42 36", "wait 100", "send 42 33", "wait 100", "send 42 00",
                  "wait 100", "send 45 00"}},
        TextCase{"Empty", zor::protocol::CMD_SET_MAX_CURRENT, u"", {"send 42 00", "wait 100", "send 44 00"}},
        TextCase{"HighByteDropped",
                 zor::protocol::CMD_SET_MODEL_NAME,
                 u"\u0141\u00E9",
                 {"send 42 41", "wait 100", "send 42 E9", "wait 100", "send 42 00", "wait 100", "send 4D 00"}},
        TextCase{"NoTrimming",
                 zor::protocol::CMD_SET_SERIAL_NUMBER,
                 u" 7\t",
                 {"send 42 20", "wait 100", "send 42 37", "wait 100", "send 42 09", "wait 100", "send 42 00",
                  "wait 100", "send 41 00"}},
        // An embedded NUL goes out as is, and reads as an early end of text.
        TextCase{"EmbeddedNul",
                 zor::protocol::CMD_SET_WORK_TIME,
                 std::u16string(u"1\0"
                                u"2",
                                3),
                 {"send 42 31", "wait 100", "send 42 00", "wait 100", "send 42 32", "wait 100", "send 42 00",
                  "wait 100", "send CE 00"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The connection check ----------------------------------------------------

// Every test compares the box with the constant; this one holds the constant
// to the system's own text, two blanks and "to to" included.
TEST(Channel, TheNotConnectedTextIsTheSystemsOwn) {
  EXPECT_EQ(zor::link::kNotConnectedMessage, u"USB is not connected.  Please to to connect before continuing.");
}

TEST_F(ChannelTest, UnconnectedAndNobodyAnswersShowsOneBoxAndSendsNothing) {
  fake.setFindResults({0});
  EXPECT_THROW(channel.SendCommand(zor::protocol::CMD_SHUTTER_OPEN, 0), zor::link::ChannelStopped);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
  EXPECT_FALSE(channel.isConnected());
}

TEST_F(ChannelTest, UnconnectedTextOfMacAddressLengthShowsOneBoxAndSendsNothing) {
  fake.setFindResults({0});
  EXPECT_THROW(channel.SendText(zor::protocol::CMD_SET_MAC_ADDRESS, u"00-1A-2B-3C-4D-5E"), zor::link::ChannelStopped);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0"}));
  EXPECT_EQ(pacer.now(), 0);
}

TEST_F(ChannelTest, UnconnectedAndTheSystemAnswersRefreshesBeforeThePacket) {
  channel.SendText(zor::protocol::CMD_SET_LENS, u"60");
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 1", "refresh", "send 42 36", "wait 100", "send 42 30", "wait 100",
                           "send 42 00", "wait 100", "send 45 00"}));
  EXPECT_TRUE(channel.isConnected());
}

TEST_F(ChannelTest, AFailedAttemptEndsOnlyThatOperation) {
  fake.setFindResults({0, 1});
  EXPECT_THROW(channel.SendCommand(zor::protocol::CMD_AIMING_ON, 0), zor::link::ChannelStopped);
  channel.SendCommand(zor::protocol::CMD_AIMING_ON, 0);
  channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, "find -> 0", kNotConnectedBox, "find -> 1", "refresh", "send 90 00",
                           "send F1 00"}));
}

TEST_F(ChannelTest, QueryStatusMakesNoConnectionCheck) {
  fake.setStatus(zor::protocol::CMD_GET_IP_ADDRESS, {192, 168, 0, 10});
  std::array<std::uint8_t, 4> block{};
  EXPECT_EQ(channel.QueryStatus(zor::protocol::CMD_GET_IP_ADDRESS, block.data(), 4), 0);
  EXPECT_EQ(block, (std::array<std::uint8_t, 4>{192, 168, 0, 10}));
  EXPECT_EQ(t, (Transcript{"query 195/4 -> 0"}));
}

TEST_F(ChannelTest, QueryStatusPassesTheLibrarysResultThrough) {
  fake.setStatusUntouched(zor::protocol::CMD_GET_XY_SCALE, 3);
  std::array<std::uint8_t, 8> block{};
  EXPECT_EQ(channel.QueryStatus(zor::protocol::CMD_GET_XY_SCALE, block.data(), 8), 3);
  EXPECT_EQ(t, (Transcript{"query 75/8 -> 3"}));
}

// --- Packets the device link does not take ----------------------------------

// The rest of the text never goes out, above all not the commit, and the
// channel looks for the system again before the next packet.
TEST_F(ChannelTest, ARefusedPacketStopsTheTextAndDisconnects) {
  connect();
  fake.refusePacket(2, 7);
  try {
    channel.SendText(zor::protocol::CMD_SET_MAX_CURRENT, u"1.5");
    ADD_FAILURE() << "no stop";
  } catch (const zor::link::ChannelStopped& stopped) {
    EXPECT_EQ(stopped.why, zor::link::ChannelStopped::Why::NotAccepted);
    EXPECT_EQ(stopped.result, 7);
    EXPECT_EQ(stopped.code, zor::protocol::CMD_TEXT_CHAR);
    EXPECT_EQ(stopped.value, '.');
  }
  EXPECT_FALSE(channel.isConnected());
  channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0);
  EXPECT_EQ(t, (Transcript{"send 42 31", "wait 100", "send 42 2E -> 7", kNotConnectedBox, "find -> 1", "refresh",
                           "send F1 00"}));
}

// Result 5: the controller took the change but could not save it. Nothing
// stops, the system stays connected, and the channel counts it.
TEST_F(ChannelTest, ATakenButUnsavedChangeGoesOnConnected) {
  connect();
  fake.refusePacket(3, 5);
  EXPECT_NO_THROW(channel.SendText(zor::protocol::CMD_SET_LENS, u"7"));
  EXPECT_NO_THROW(channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0));
  EXPECT_TRUE(channel.isConnected());
  EXPECT_EQ(channel.packetsNotKept(), 1u);
  EXPECT_EQ(t, (Transcript{"send 42 37", "wait 100", "send 42 00", "wait 100", "send 45 00 -> 5", "send F1 00"}));
}

// --- "Get Info" --------------------------------------------------------------

TEST_F(ChannelTest, ConnectToSystemNeverShowsABoxNorThrows) {
  fake.setFindResults({0});
  EXPECT_NO_THROW(channel.ConnectToSystem());
  EXPECT_FALSE(channel.isConnected());
  EXPECT_EQ(t, (Transcript{"find -> 0"}));
}

TEST_F(ChannelTest, GetInfoWhileConnectedRepeatsDiscoveryAndNeverDisconnects) {
  fake.setFindResults({1, 1, 0});
  channel.ConnectToSystem();
  channel.ConnectToSystem();
  channel.ConnectToSystem();  // the system is gone; nobody notices
  channel.SendCommand(zor::protocol::CMD_SHUTTER_CLOSE, 0);
  EXPECT_EQ(t, (Transcript{"find -> 1", "refresh", "find -> 1", "refresh", "find -> 0", "send 86 00"}));
  EXPECT_TRUE(channel.isConnected());
}

// --- Missing entry points ----------------------------------------------------

TEST_F(ChannelTest, WithoutSendCommandPacketsAreDroppedButTextIsStillPaced) {
  without(Entry::SendCommand);
  connect();
  channel.SendText(zor::protocol::CMD_SET_LENS, u"1");
  channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0);
  EXPECT_EQ(t, (Transcript{"wait 100", "wait 100"}));
}

TEST_F(ChannelTest, WithoutDiscoveryEverySendShowsTheBoxAndEnds) {
  without(Entry::FindSystems);
  channel.ConnectToSystem();
  EXPECT_THROW(channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0), zor::link::ChannelStopped);
  EXPECT_THROW(channel.SendText(zor::protocol::CMD_SET_LENS, u"1"), zor::link::ChannelStopped);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox, kNotConnectedBox}));
}

TEST_F(ChannelTest, WithoutGetStatusTheBlockIsLeftAndTheResultIsNonzero) {
  without(Entry::GetStatus);
  fake.setStatus(zor::protocol::CMD_GET_WORK_TIME, {1, 2, 3, 4});
  std::array<std::uint8_t, 4> block{0xAB, 0xAB, 0xAB, 0xAB};
  EXPECT_NE(channel.QueryStatus(zor::protocol::CMD_GET_WORK_TIME, block.data(), 4), 0);
  EXPECT_EQ(block, (std::array<std::uint8_t, 4>{0xAB, 0xAB, 0xAB, 0xAB}));
  EXPECT_EQ(t, Transcript{});
}

TEST_F(ChannelTest, WithNoLibraryAtAllNothingIsCalled) {
  link = zor::link::DeviceLink{};
  channel.ConnectToSystem();
  std::array<std::uint8_t, 4> block{};
  EXPECT_NE(channel.QueryStatus(zor::protocol::CMD_GET_SHIP_ID, block.data(), 4), 0);
  EXPECT_THROW(channel.SendCommand(zor::protocol::CMD_SHOW_VERSION, 0), zor::link::ChannelStopped);
  EXPECT_EQ(t, (Transcript{kNotConnectedBox}));
}

}  // namespace
}  // namespace zortest
