// Numbers with a fixed count of decimals, as the logs and the window give them.

#include "simulator/fixed_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zor::simulator {
namespace {

TEST(FixedNumber, RoundsToItsDecimalsWithoutMinusZero) {
  const struct {
    double value;
    int decimals;
    std::string shown;
  } cases[] = {
      {12.3456, 3, "12.346"}, {0.5, 2, "0.50"},           {-1.25, 1, "-1.2"},  {-0.004, 2, "0.00"},
      {-0.0, 0, "0"},         {1e6, 6, "1000000.000000"}, {99.96, 1, "100.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(fixed(c.value, c.decimals), c.shown) << c.value;
}

// Qt sets the C library's locale from the user's; a decimal comma there must
// not reach the JSON logs.
TEST(FixedNumber, KeepsItsPointInALocaleWithADecimalComma) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (std::setlocale(LC_NUMERIC, name)) {
      comma = true;
      break;
    }
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string shown = fixed(0.5, 2);
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(shown, "0.50");
}

}  // namespace
}  // namespace zor::simulator
