// What both sides of the simulator's socket and both backends of the device
// link read: the frames, the discovery block, the code names and the pauses.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "link/channel.h"
#include "protocol/discovery.h"
#include "protocol/pacing.h"
#include "protocol/simulator_frames.h"
#include "service/maintenance.h"

namespace zor::protocol {
namespace {

using protocol::frames::Call;
using protocol::frames::Reply;
using protocol::frames::Request;
using Bytes = std::vector<std::uint8_t>;

// The body of a frame (what follows its length).
Bytes bodyOf(const Bytes& frame) { return Bytes(frame.begin() + protocol::frames::kLengthSize, frame.end()); }

TEST(Frames, EveryCallAndItsReplyComeBackAsTheyWent) {
  const Request requests[] = {
      {.call = Call::Hello, .version = protocol::frames::kVersion, .program = std::string(64, 'z')},
      {.call = Call::Find},
      {.call = Call::Send, .system = -7, .bytes = {0xFF, 0xFF, 0x42, 0x31}},
      {.call = Call::Status, .system = 100002, .code = 142, .reserved = -1, .length = 38},
      {.call = Call::Data, .system = 1, .bytes = Bytes(protocol::frames::kMaxData, 0xA5)},
      {.call = Call::Check, .system = 1},
  };
  for (const Request& r : requests) {
    const Bytes frame = protocol::frames::Encode(r);
    ASSERT_LE(frame.size(), 65536u);
    const auto decoded = protocol::frames::DecodeRequest(bodyOf(frame));
    ASSERT_TRUE(decoded) << protocol::frames::CallName(r.call) << ": " << decoded.why();
    EXPECT_EQ(*decoded, r) << protocol::frames::CallName(r.call);
  }
  const Reply replies[] = {
      {.call = Call::Hello, .result = 0, .pid = 4242, .firstSystem = -3},
      {.call = Call::Find, .result = 1, .found = 3, .bytes = Bytes(protocol::kDiscoveryScratchSize, 9)},
      {.call = Call::Send, .result = 8},
      {.call = Call::Status, .result = 0, .bytes = {1, 2, 3, 4}},
      {.call = Call::Check, .result = 7},
  };
  for (const Reply& r : replies) {
    const auto decoded = protocol::frames::DecodeReply(bodyOf(protocol::frames::Encode(r)));
    ASSERT_TRUE(decoded) << protocol::frames::CallName(r.call) << ": " << decoded.why();
    EXPECT_EQ(*decoded, r) << protocol::frames::CallName(r.call);
  }
}

TEST(Frames, EveryMalformedBodyIsRefused) {
  const struct {
    Bytes body;
    const char* why;
  } cases[] = {
      {{}, "shorter than its header"},
      {{2, 0, 0, 0}, "shorter than its header"},
      {{6, 0, 0, 0, 0}, "unknown call 6"},
      {{0, 0, 0, 0, 0}, "hello without a version"},
      {{0, 0, 0, 0, 0, 2, 0}, "hello of version 2"},
      {{1, 1, 0, 0, 0}, "find addressing a system"},
      {{1, 0, 0, 0, 0, 0}, "find longer than its arguments"},
      {{2, 0, 0, 0, 0, 4, 0, 0xFF, 0xFF, 0x42}, "send whose length is not its body's"},
      {{2, 0, 0, 0, 0, 1, 0, 0xFF, 0xFF}, "send whose length is not its body's"},
      {{3, 0, 0, 0, 0, 142, 0, 0, 0, 0, 0, 0, 0, 38, 0, 0}, "status shorter than its arguments"},
      {{3, 0, 0, 0, 0, 142, 0, 0, 0, 0, 0, 0, 0, 38, 0, 0, 0, 0}, "status longer than its arguments"},
      {{4, 0, 0, 0, 0, 1, 0, 0}, "data without its length"},
      {{5, 0, 0, 0, 0, 0}, "check longer than its arguments"},
  };
  for (const auto& c : cases) {
    const auto decoded = protocol::frames::DecodeRequest(c.body);
    EXPECT_FALSE(decoded) << c.why;
    EXPECT_THAT(decoded.why(), ::testing::HasSubstr(c.why));
  }
  Bytes longPacket = {2, 0, 0, 0, 0, 65, 0};
  longPacket.resize(longPacket.size() + 65, 0xFF);
  EXPECT_FALSE(protocol::frames::DecodeRequest(longPacket)) << "a packet of more than 64 bytes";
  Bytes longName =
      bodyOf(protocol::frames::Encode(Request{.call = Call::Hello, .version = 1, .program = std::string(65, 'z')}));
  EXPECT_FALSE(protocol::frames::DecodeRequest(longName)) << "a program name of more than 64 bytes";

  const Bytes badReplies[] = {
      {0, 0, 0, 0, 0, 1, 0, 0},              // hello without its system
      {1, 1, 0, 0, 0, 1, 0, 0, 0, 1, 2, 3},  // find with a short block
      {2, 0, 0, 0, 0, 1},                    // send with a payload
      {9, 0, 0, 0, 0},                       // unknown call
  };
  for (const Bytes& body : badReplies) {
    const auto decoded = protocol::frames::DecodeReply(body);
    EXPECT_FALSE(decoded) << int(body[0]);
    EXPECT_FALSE(decoded.why().empty()) << int(body[0]) << ": a refusal says why";
  }
}

TEST(Frames, AReplyAnswersOnlyItsOwnRequestAndNeverOverflowsTheBlock) {
  const Request status{.call = Call::Status, .code = 142, .length = 4};
  EXPECT_TRUE(protocol::frames::Answers({.call = Call::Status, .bytes = Bytes(4)}, status));
  EXPECT_FALSE(protocol::frames::Answers({.call = Call::Status, .bytes = Bytes(5)}, status));
  EXPECT_FALSE(protocol::frames::Answers({.call = Call::Status, .result = 4, .bytes = Bytes(1)}, status));
  EXPECT_FALSE(protocol::frames::Answers({.call = Call::Send}, status));
}

TEST(Frames, TheReaderCutsAStreamIntoBodiesWhateverItsPieces) {
  const Bytes a = protocol::frames::Encode(Request{.call = Call::Find});
  const Bytes b = protocol::frames::Encode(Request{.call = Call::Check, .system = 5});
  Bytes stream = a;
  stream.insert(stream.end(), b.begin(), b.end());
  protocol::frames::FrameReader reader;
  std::vector<Bytes> bodies;
  for (std::uint8_t byte : stream) {  // a byte at a time
    reader.Add(std::span(&byte, 1));
    while (auto body = reader.Next()) bodies.push_back(*body);
  }
  EXPECT_THAT(bodies, ::testing::ElementsAre(bodyOf(a), bodyOf(b)));
  EXPECT_EQ(reader.Pending(), 0u);

  // A length over the limit is refused before any of its body arrives.
  protocol::frames::FrameReader over;
  const Bytes length = {0xFD, 0xFF, 0, 0};  // 65,533
  over.Add(length);
  EXPECT_FALSE(over.Next());
  EXPECT_TRUE(over.Oversized());
  protocol::frames::FrameReader limit;
  limit.Add(Bytes{0xFC, 0xFF, 0, 0});  // 65,532: allowed, waits for its body
  EXPECT_FALSE(limit.Next());
  EXPECT_FALSE(limit.Oversized());
  EXPECT_EQ(limit.Pending(), 4u);
}

TEST(Discovery, TheBlockListsAtMost64SystemsAndCutsLongNames) {
  std::vector<protocol::discovery::Entry> entries;
  for (int i = 0; i < 70; ++i) entries.push_back({-i, std::string(i % 40, 'a' + i % 26), {10, 0, 0, std::uint8_t(i)}});
  Bytes block(protocol::kDiscoveryScratchSize + 1, 0xEE);
  protocol::discovery::Write(block.data(), entries);
  EXPECT_EQ(block.back(), 0xEE) << "2,564 bytes and no more";
  const auto read = protocol::discovery::Read(block.data());
  ASSERT_EQ(read.size(), 64u);
  for (std::size_t i = 0; i < read.size(); ++i) {
    protocol::discovery::Entry expected = entries[i];
    expected.name.resize(std::min<std::size_t>(expected.name.size(), 32));
    EXPECT_EQ(read[i], expected) << i;
  }
  // A count beyond 64 in a block from elsewhere lists 64.
  block[0] = 0xFF;
  block[1] = 0xFF;
  EXPECT_EQ(protocol::discovery::Read(block.data()).size(), 64u);
}

TEST(Discovery, TheSystemAddressedIsTheOneZorcommSystemNamesElseTheFirst) {
  const std::vector<protocol::discovery::Entry> found = {{100001, "A", {}}, {-5, "B", {}}, {100003, "C", {}}};
  const struct {
    const char* wanted;
    std::optional<std::size_t> index;
  } cases[] = {{nullptr, 0},
               {"", 0},
               {"-5", 1},
               {"100003", 2},
               {"100004", std::nullopt},
               {" 100003", std::nullopt},
               {"100003 ", std::nullopt},
               {"99999999999", std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(protocol::discovery::Addressed(found, c.wanted), c.index) << (c.wanted ? c.wanted : "-");
  EXPECT_EQ(protocol::discovery::Addressed({}, nullptr), std::nullopt);
}

TEST(Codes, EachCodeHasItsNameInItsOwnList) {
  EXPECT_EQ(protocol::CommandName(protocol::CMD_TEXT_CHAR), "CMD_TEXT_CHAR");
  EXPECT_EQ(protocol::CommandName(protocol::CMD_INIT_POWER_BOARD), "CMD_INIT_POWER_BOARD");
  EXPECT_EQ(protocol::StatusName(protocol::CMD_GET_WORK_TIME), "CMD_GET_WORK_TIME");
  EXPECT_EQ(protocol::CommandName(protocol::CMD_GET_SYSTEM_INFO), "") << "142 is a status code only";
  EXPECT_EQ(protocol::StatusName(protocol::CMD_TEXT_CHAR), "");
  EXPECT_EQ(protocol::CommandName(1), "");
}

// The tool waits what the controller needs: its own constants against the table.
TEST(Pacing, TheToolsWaitsAreThePausesTheControllerNeeds) {
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_TEXT_CHAR), link::kTextCharPause);
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_MOVE_TO_X), service::kAfterMove);
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_MOVE_TO_Y), service::kAfterMove);
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_AIM_ALIGN_SAVE), service::kAfterAimingSave);
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_RESET_SERIAL), service::kAfterResetSerial);
  for (int code : {protocol::CMD_GET_MAC_ADDRESS, protocol::CMD_GET_IP_ADDRESS, protocol::CMD_GET_GATEWAY,
                   protocol::CMD_GET_SUBNET_MASK, protocol::CMD_GET_SHIP_ID})
    EXPECT_EQ(protocol::RequiredPauseAfter(true, code), service::kLanQueryPause) << code;
  EXPECT_EQ(protocol::RequiredPauseAfter(true, protocol::CMD_GET_SYSTEM_INFO), 0);
  EXPECT_EQ(protocol::RequiredPauseAfter(false, protocol::CMD_SET_LENS), 0);
}

}  // namespace
}  // namespace zor::protocol
