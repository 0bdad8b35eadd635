// Several systems answer: the host chooses at start and on request, never
// inside an operation; with one system it is never asked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tests/support/service_test_util.h"

namespace zortest {
namespace {

using zor::link::FoundSystem;

const std::vector<FoundSystem> kThree = {{100001, "NZ-SIM", {192, 168, 1, 10}},
                                         {100002, "NZ-SIM", {192, 168, 1, 11}},
                                         {100003, "NZ-SIM", {192, 168, 1, 12}}};

class SystemChoice : public ServiceOnLink {
 protected:
  void SetUp() override {
    ::unsetenv("ZORCOMM_SYSTEM");
    fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().serial(100001).model("NZ-SIM").reply());
    fake.setSystems(kThree);
  }
  void TearDown() override { ::unsetenv("ZORCOMM_SYSTEM"); }
  static std::string addressed() {
    const char* serial = std::getenv("ZORCOMM_SYSTEM");
    return serial ? serial : "unset";
  }
};

struct ChoiceCase {
  const char* name;
  const char* before;  // ZORCOMM_SYSTEM before the discovery; nullptr: unset
  std::optional<std::size_t> pick;
  Transcript calls;
  bool connected;
  std::string after;  // ZORCOMM_SYSTEM afterwards
};

class Choice : public SystemChoice, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(Choice, AddressesThePickAndLooksForItAgainUnlessItJustAnswered) {
  const ChoiceCase& c = GetParam();
  if (c.before) ::setenv("ZORCOMM_SYSTEM", c.before, 1);
  host.pick = c.pick;
  service.connect();
  EXPECT_EQ(t, c.calls);
  EXPECT_EQ(service.isConnected(), c.connected);
  EXPECT_EQ(addressed(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Service, Choice,
    ::testing::Values(ChoiceCase{"AnotherOne",
                                 nullptr,
                                 1,
                                 {"find (ZORCOMM_SYSTEM unset) -> 1", "choose among 3, on 100001",
                                  "find (ZORCOMM_SYSTEM=100002) -> 1", "query 142/38 -> 0", "identified NZ-SIM"},
                                 true,
                                 "100002"},
                      ChoiceCase{"TheOneThatAnswered",
                                 nullptr,
                                 0,
                                 {"find (ZORCOMM_SYSTEM unset) -> 1", "choose among 3, on 100001", "query 142/38 -> 0",
                                  "identified NZ-SIM"},
                                 true,
                                 "100001"},
                      ChoiceCase{"OnTheOneAddressed",
                                 "100003",
                                 2,
                                 {"find (ZORCOMM_SYSTEM=100003) -> 1", "choose among 3, on 100003", "query 142/38 -> 0",
                                  "identified NZ-SIM"},
                                 true,
                                 "100003"},
                      ChoiceCase{"AddressedOneGone",
                                 "100009",
                                 0,
                                 {"find (ZORCOMM_SYSTEM=100009) -> 0", "choose among 3, on none",
                                  "find (ZORCOMM_SYSTEM=100001) -> 1", "query 142/38 -> 0", "identified NZ-SIM"},
                                 true,
                                 "100001"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SystemChoice, CancelOnRequestLeavesTheServiceNotConnected) {
  host.pick = 0;
  service.connect();
  ASSERT_TRUE(service.isConnected());
  host.pick = std::nullopt;
  service.connect();
  EXPECT_FALSE(service.isConnected());
}

TEST_F(SystemChoice, APickGoneBeforeItIsFoundAgainLeavesTheServiceNotConnected) {
  host.pick = 0;
  service.connect();
  ASSERT_TRUE(service.isConnected());
  fake.setFindResults({1, 0});
  host.pick = 2;
  service.connect();
  EXPECT_FALSE(service.isConnected());
  EXPECT_EQ(addressed(), "100003");
}

TEST_F(SystemChoice, AConnectionCheckInsideAnOperationKeepsTheSystemAddressed) {
  ::setenv("ZORCOMM_SYSTEM", "100002", 1);
  host.pick = std::nullopt;  // would cancel, were it asked
  EXPECT_TRUE(service.checkConnection().ok());
  EXPECT_EQ(
      t, (Transcript{kNotConnectedBox, "find (ZORCOMM_SYSTEM=100002) -> 1", "query 142/38 -> 0", "identified NZ-SIM"}));
}

TEST_F(SystemChoice, OneSystemIsNeverOffered) {
  fake.setSystems({kThree[1]});
  service.connect();
  EXPECT_EQ(t, (Transcript{"find (ZORCOMM_SYSTEM unset) -> 1", "query 142/38 -> 0", "identified NZ-SIM"}));
  EXPECT_EQ(addressed(), "unset");
}

}  // namespace
}  // namespace zortest
