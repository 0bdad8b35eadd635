// The fakes are what every transcript test trusts, so they get tests of their own.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "tests/support/fake_link.h"
#include "tests/support/transcript.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

const char16_t* const kCommandName = u"SYSTEM NAME NOT USED";
const char16_t* const kStatusName = u"NOT USED";

TEST(FakeLink, RecordsPacketsAndFlagsMalformedOnes) {
  Transcript t;
  FakeLink fake(t);
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

TEST(FakeLink, DiscoveryFollowsItsSequenceAndRepeatsTheLast) {
  Transcript t;
  FakeLink fake(t);
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

TEST(FakeLink, StatusRepliesWriteAtMostTheLengthGiven) {
  Transcript t;
  FakeLink fake(t);
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

TEST(FakeLink, RemovedEntryPointsAreEmptySlots) {
  Transcript t;
  FakeLink fake(t);
  fake.remove(FakeLink::Entry::GetStatus);
  fake.remove(FakeLink::Entry::FindSystems);
  const auto link = fake.link();
  EXPECT_NE(link.m_hDeviceLink, nullptr);
  EXPECT_NE(link.dwSendCommand, nullptr);
  EXPECT_EQ(link.dwGetStatus, nullptr);
  EXPECT_NE(link.dwSendData, nullptr);
  EXPECT_EQ(link.ZORFindSystems, nullptr);
  EXPECT_NE(link.ZORSystemCheckStatus, nullptr);
}

TEST(FakeLink, OnlyOneIsActiveAtATime) {
  Transcript t;
  FakeLink first(t);
  EXPECT_NONFATAL_FAILURE({ FakeLink second(t); }, "second FakeLink");
  EXPECT_EQ(FakeLink::active(), &first);
}

TEST(FakeLink, EntryPointsWithoutALiveFakeFailTheTest) {
  Transcript t;
  zor::DeviceLink link;
  {
    FakeLink fake(t);
    link = fake.link();
  }
  std::int32_t found = 0;
  std::array<std::uint8_t, 2564> scratch{};
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(link.ZORFindSystems(scratch.data(), &found), 0), "no FakeLink alive");
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
