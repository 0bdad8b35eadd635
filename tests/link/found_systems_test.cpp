// The systems a discovery lists, and addressing one of them by its serial.
#include "link/found_systems.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "link/channel.h"
#include "tests/support/link_test_util.h"
#include "tests/support/recording_link.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {
namespace {

using zor::link::FoundSystem;

const std::vector<FoundSystem> kThree = {
    {100001, "NZ-SIM", {192, 168, 1, 10}}, {100002, "NK-100A", {192, 168, 1, 11}}, {7, "N-5", {10, 0, 0, 255}}};

// Leaves ZORCOMM_SYSTEM as it found it.
class AddressingTest : public ::testing::Test {
 protected:
  void TearDown() override { ::unsetenv(zor::protocol::discovery::kSystemVariable); }
};

struct ParseCase {
  const char* name;
  std::uint32_t count;  // written into the block's first four bytes
  std::int32_t found;   // the out value
  std::size_t listed;   // how many of kThree ParseDiscovery gives
};

class ParseDiscovery : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDiscovery, ListsTheBlockOnlyWhenItsCountAgreesWithTheOutValue) {
  std::array<std::uint8_t, zor::protocol::kDiscoveryScratchSize> block{};
  zor::protocol::discovery::Write(block.data(), kThree);
  for (std::size_t i = 0; i < 4; ++i) block[i] = static_cast<std::uint8_t>(GetParam().count >> (8 * i));
  const std::vector<FoundSystem> listed = zor::link::ParseDiscovery(block.data(), GetParam().found);
  EXPECT_EQ(listed, std::vector<FoundSystem>(kThree.begin(), kThree.begin() + GetParam().listed));
}

INSTANTIATE_TEST_SUITE_P(Link, ParseDiscovery,
                         ::testing::Values(ParseCase{"Agrees", 3, 3, 3}, ParseCase{"One", 1, 1, 1},
                                           ParseCase{"NoneFound", 0, 0, 0}, ParseCase{"CountsMoreThanFound", 3, 1, 0},
                                           ParseCase{"CountsFewerThanFound", 1, 3, 0},
                                           ParseCase{"NegativeFound", 3, -3, 0},
                                           ParseCase{"BeyondTheBlock", 65, 65, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AddressingTest, TheChannelKeepsWhatTheLastDiscoveryListed) {
  Transcript t;
  RecordingLink fake{t};
  VirtualPacer pacer{t};
  TestHost host{t};
  const zor::link::DeviceLink link = fake.link();
  zor::link::CommandChannel channel{link, pacer, host};
  fake.setSystems(kThree);
  ASSERT_TRUE(zor::link::AddressSystem(100002));
  EXPECT_TRUE(channel.FindSystems());
  EXPECT_EQ(channel.systems(), kThree);
  EXPECT_FALSE(channel.isConnected()) << "a discovery alone connects nothing";
  fake.setFindResults({0});
  EXPECT_FALSE(channel.FindSystems());
  EXPECT_TRUE(channel.systems().empty());
  EXPECT_EQ(t, (Transcript{"find (ZORCOMM_SYSTEM=100002) -> 1", "find -> 0"}));
}

}  // namespace
}  // namespace zortest
