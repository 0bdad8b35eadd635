// The fakes are what every transcript test trusts, so they get tests of their own.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "tests/support/recording_link.h"
#include "tests/support/transcript.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

const char16_t* const kCommandName = u"SYSTEM NAME NOT USED";
const char16_t* const kStatusName = u"NOT USED";

TEST(RecordingLink, RecordsPacketsAndFlagsMalformedOnes) {
  Transcript t;
  RecordingLink fake(t);
  const auto link = fake.link();
  const std::array<std::uint8_t, 5> good{0xFF, 0xFF, 0x42, 0x0A, 0x99};
  const std::array<std::uint8_t, 4> badHeader{0xFF, 0xFE, 0x42, 0x31};
  link.dwSendCommand(good.data(), 4, kCommandName);
  link.dwSendCommand(good.data(), 5, kCommandName);
  link.dwSendCommand(badHeader.data(), 4, kCommandName);
  link.dwSendCommand(good.data(), 4, u"NOT USED");
  link.dwSendCommand(good.data(), 4, nullptr);
  EXPECT_EQ(t, (Transcript{
                   "send 42 0A",
                   "send? FF FF 42 0A 99 length=5 name=\"SYSTEM NAME NOT USED\"",
                   "send? FF FE 42 31 length=4 name=\"SYSTEM NAME NOT USED\"",
                   "send? FF FF 42 0A length=4 name=\"NOT USED\"",
                   "send? FF FF 42 0A length=4 name=(null)",
               }));
}

TEST(RecordingLink, DiscoveryFollowsItsSequenceAndRepeatsTheLast) {
  Transcript t;
  RecordingLink fake(t);
  fake.setFindResults({0, 0, 3});
  const auto link = fake.link();
  for (int i = 0; i < 4; ++i) {
    std::array<std::uint8_t, 2564> scratch{};
    std::int32_t found = -7;
    link.ZORFindSystems(scratch.data(), &found);
    EXPECT_EQ(found, i < 2 ? 0 : 1);
  }
  EXPECT_EQ(t, (Transcript{"find -> 0", "find -> 0", "find -> 3", "find -> 3"}));
}

TEST(RecordingLink, StatusRepliesWriteAtMostTheLengthGiven) {
  Transcript t;
  RecordingLink fake(t);
  fake.setStatus(193, {1, 2, 3, 4, 5, 6, 7, 8});
  fake.setStatusUntouched(207, 0);
  fake.setStatus(76, {9}, 5);
  const auto link = fake.link();

  std::array<std::uint8_t, 8> block;
  block.fill(0xEE);
  EXPECT_EQ(link.dwGetStatus(193, 0, block.data(), 6, kStatusName), 0);
  EXPECT_EQ(block, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE}));

  block.fill(0xEE);
  EXPECT_EQ(link.dwGetStatus(207, 0, block.data(), 4, kStatusName), 0);
  EXPECT_EQ(link.dwGetStatus(99, 0, block.data(), 4, kStatusName), 1);  // not configured
  EXPECT_EQ(block[0], 0xEE);

  EXPECT_EQ(link.dwGetStatus(76, 0, block.data(), 4, kStatusName), 5);
  EXPECT_EQ(block[0], 9);

  link.dwGetStatus(76, 1, block.data(), 4, kCommandName);
  EXPECT_EQ(t, (Transcript{
                   "query 193/6 -> 0",
                   "query 207/4 -> 0",
                   "query 99/4 -> 1",
                   "query 76/4 -> 5",
                   "query? 76/4 reserved=1 name=\"SYSTEM NAME NOT USED\" -> 5",
               }));
}

TEST(RecordingLink, RemovedEntryPointsAreEmptySlots) {
  Transcript t;
  RecordingLink fake(t);
  fake.remove(RecordingLink::Entry::GetStatus);
  fake.remove(RecordingLink::Entry::FindSystems);
  const auto link = fake.link();
  EXPECT_NE(link.handle, nullptr);
  EXPECT_NE(link.dwSendCommand, nullptr);
  EXPECT_EQ(link.dwGetStatus, nullptr);
  EXPECT_NE(link.dwSendData, nullptr);
  EXPECT_EQ(link.ZORFindSystems, nullptr);
  EXPECT_NE(link.ZORSystemCheckStatus, nullptr);
}

// A controller behind the link gets what no switch answers, and its results
// are recorded as the link's own.
TEST(RecordingLink, AControllerAnswersWhatTheSwitchesLeaveOpen) {
  struct Counting final : RecordingLink::Controller {
    std::vector<std::string> calls;
    std::int32_t command(const std::uint8_t* packet, std::int32_t, const char16_t*) override {
      calls.push_back("command " + std::to_string(packet[2]));
      return 5;
    }
    std::int32_t status(std::int32_t code, std::int32_t, std::uint8_t* block, std::int32_t, const char16_t*) override {
      calls.push_back("status " + std::to_string(code));
      block[0] = 7;
      return 0;
    }
    std::int32_t find(std::uint8_t*, std::int32_t* found) override {
      calls.push_back("find");
      *found = 1;
      return 1;
    }
  } controller;
  Transcript t;
  RecordingLink fake(t);
  fake.answerFrom(&controller);
  fake.setStatusUntouched(207, 3);
  fake.refusePacket(2);
  const auto link = fake.link();
  const std::array<std::uint8_t, 4> packet{0xFF, 0xFF, 0x42, 0x31};
  std::array<std::uint8_t, 4> block{};
  std::array<std::uint8_t, 2564> scratch{};
  std::int32_t found = 0;
  link.ZORFindSystems(scratch.data(), &found);
  link.dwSendCommand(packet.data(), 4, kCommandName);
  link.dwSendCommand(packet.data(), 4, kCommandName);
  link.dwGetStatus(207, 0, block.data(), 4, kStatusName);
  link.dwGetStatus(84, 0, block.data(), 4, kStatusName);
  EXPECT_EQ(block[0], 7);
  EXPECT_EQ(controller.calls, (std::vector<std::string>{"find", "command 66", "status 84"}));
  EXPECT_EQ(t, (Transcript{"find -> 1", "send 42 31 -> 5", "send 42 31 -> 2", "query 207/4 -> 3", "query 84/4 -> 0"}));
}

TEST(RecordingLink, AnswersAsAModelWithZerosElsewhereAndRunsHooksAfterTheirPacket) {
  Transcript t;
  RecordingLink fake(t);
  fake.answerAs("NZ-LONGER-THAN-TEN");
  fake.answerUnsetWithZeros();
  fake.onPacket(2, [&t] { t.add("hook"); });
  const auto link = fake.link();
  std::array<std::uint8_t, zor::protocol::kSystemInfoLength> identity;
  identity.fill(0xEE);
  EXPECT_EQ(link.dwGetStatus(zor::protocol::CMD_GET_SYSTEM_INFO, 0, identity.data(), zor::protocol::kSystemInfoLength,
                             kStatusName),
            0);
  EXPECT_EQ(identity, Block().model("NZ-LONGER-").bytes);
  std::array<std::uint8_t, 8> block;
  block.fill(0xEE);
  EXPECT_EQ(link.dwGetStatus(84, 0, block.data(), 6, kStatusName), 0);
  EXPECT_EQ(block, (std::array<std::uint8_t, 8>{0, 0, 0, 0, 0, 0, 0xEE, 0xEE}));
  const std::array<std::uint8_t, 4> packet{0xFF, 0xFF, 0xF1, 0x00};
  for (int i = 0; i < 3; ++i) link.dwSendCommand(packet.data(), 4, kCommandName);
  EXPECT_EQ(t, (Transcript{"query 142/38 -> 0", "query 84/6 -> 0", "send F1 00", "send F1 00", "hook", "send F1 00"}));
}

TEST(RecordingLink, OnlyOneIsActiveAtATime) {
  Transcript t;
  RecordingLink first(t);
  EXPECT_NONFATAL_FAILURE({ RecordingLink second(t); }, "second RecordingLink");
  EXPECT_EQ(RecordingLink::active(), &first);
}

TEST(RecordingLink, EntryPointsWithoutALiveFakeFailTheTest) {
  Transcript t;
  zor::link::DeviceLink link;
  {
    RecordingLink fake(t);
    link = fake.link();
  }
  std::int32_t found = 0;
  std::array<std::uint8_t, 2564> scratch{};
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(link.ZORFindSystems(scratch.data(), &found), 0), "no RecordingLink alive");
}

TEST(VirtualPacer, RecordsWaitsAndKeepsVirtualTime) {
  Transcript t;
  VirtualPacer pacer(t);
  pacer.sleep(100);
  pacer.sleep(300);
  EXPECT_EQ(pacer.now(), 400);
  EXPECT_EQ(t, (Transcript{"wait 100", "wait 300"}));
}

TEST(Transcript, BoxEventsWriteLineBreaksAsBackslashN) {
  EXPECT_EQ(BoxEvent(u"Title", u"one\ntwo \u0141"), "box [Title] one\\ntwo \xC5\x81");
}

TEST(Transcript, PrintsOneNumberedEventPerLine) {
  std::ostringstream out;
  out << Transcript{"send 42 31", "wait 100"};
  EXPECT_EQ(out.str(), "{\n   0: send 42 31\n   1: wait 100\n}");
}

}  // namespace
}  // namespace zortest
