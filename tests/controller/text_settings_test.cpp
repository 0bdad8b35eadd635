#include "controller/text_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace zor::controller {
namespace {

// Every set command of the protocol reads its text by exactly one row, and the
// notes tell the values apart by name.
TEST(TextSettingsTest, EverySetCommandHasOneRowWithItsOwnName) {
  std::set<int> rowCodes;
  std::set<std::string> names;
  for (const TextSetting& row : textSettings()) {
    EXPECT_TRUE(rowCodes.insert(row.code).second) << "two rows for " << protocol::CommandName(row.code);
    EXPECT_TRUE(names.insert(row.name).second) << "two rows named " << row.name;
    EXPECT_EQ(textSetting(row.code), &row) << protocol::CommandName(row.code);
  }
  std::set<int> setCodes;
  for (int code = 0; code < 256; ++code) {
    if (protocol::CommandName(code).starts_with("CMD_SET_")) setCodes.insert(code);
    if (!rowCodes.contains(code)) {
      EXPECT_EQ(textSetting(static_cast<std::uint8_t>(code)), nullptr) << code;
    }
  }
  EXPECT_EQ(rowCodes, setCodes);
}

}  // namespace
}  // namespace zor::controller
