// zor-simulator's command line.

#include "simulator_app/options.h"

#include <gtest/gtest.h>

namespace zor::simulator {
namespace {

TEST(SimulatorOptions, EachOptionAndEachRefusal) {
  const auto parsed = simulator_app::parseOptions({"--headless", "--systems", "64", "--socket=/tmp/s", "--packet-log",
                                                   "p.json", "--refuse", "3", "--no-status", "--no-discovery",
                                                   "--delay=250", "--field-log", "f.json", "--lens-error=0,-2.5,3"});
  ASSERT_TRUE(std::holds_alternative<simulator_app::Options>(parsed))
      << std::get<simulator_app::UsageError>(parsed).message;
  const simulator_app::Options& o = std::get<simulator_app::Options>(parsed);
  EXPECT_TRUE(o.headless && o.noStatus && o.noDiscovery);
  EXPECT_EQ(o.systems, 64);
  EXPECT_EQ(o.socket, "/tmp/s");
  EXPECT_EQ(o.packetLog, "p.json");
  EXPECT_EQ(o.refuse, 3);
  EXPECT_EQ(o.delayMs, 250);
  EXPECT_EQ(o.fieldLog, "f.json");
  EXPECT_EQ(o.lens.scaleY, -0.025);
  EXPECT_EQ(o.lens.radial, 0.03);
  EXPECT_EQ(std::get<simulator_app::Options>(simulator_app::parseOptions({})).systems, 1);

  const struct {
    std::vector<std::string> args;
    std::string message;
  } refused[] = {
      {{"--systems", "0"}, "--systems takes a whole number from 1 to 64, not '0'"},
      {{"--systems", "65"}, "--systems takes a whole number from 1 to 64, not '65'"},
      {{"--systems", "+3"}, "--systems takes a whole number from 1 to 64, not '+3'"},
      {{"--systems"}, "--systems needs a value"},
      {{"--delay", "-1"}, "--delay takes a whole number from 0 to 60000, not '-1'"},
      {{"--socket="}, "--socket needs a value"},
      {{"--lens-error", "1,2"}, "--lens-error: expected three percentages SX,SY,K, e.g. 1.8,-1.2,-1.5"},
      {{"--headless=yes"}, "--headless takes no value"},
      {{"--window"}, "unknown option '--window'"},
      {{"systems"}, "unknown option 'systems'"},
  };
  for (const auto& r : refused) {
    const auto result = simulator_app::parseOptions(r.args);
    ASSERT_TRUE(std::holds_alternative<simulator_app::UsageError>(result)) << r.message;
    EXPECT_EQ(std::get<simulator_app::UsageError>(result).message, r.message);
  }
}

}  // namespace
}  // namespace zor::simulator
