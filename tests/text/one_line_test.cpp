// Text from outside on one line: every control character shown as an escape.
#include "text/one_line.h"

#include <gtest/gtest.h>

namespace {

using zor::text::OneLine;

// C0, DEL and C1 show as escapes; the printable characters around them,
// Latin-1's included, stay as they are.
TEST(OneLine, ShowsControlCharactersAsEscapes) {
  EXPECT_EQ(OneLine(QString::fromUtf16(u"a\nb\tc\x1B[2J\r\x1F ~\x7F\u0080\u009B\u009F\u00A0\u00E9")),
            QString::fromUtf16(u"a\\nb\\tc\\x1B[2J\\x0D\\x1F ~\\x7F\\u0080\\u009B\\u009F\u00A0\u00E9"));
}

// UTF-8 text the same way; a byte that is not UTF-8 (a lone 0x9B is CSI to
// some terminals) shows as U+FFFD.
TEST(OneLine, OfUtf8) {
  const struct {
    std::string_view text;
    std::string shown;
  } cases[] = {
      {"zorctl 1.0", "zorctl 1.0"},
      {"zor\x1B[2Jctl\xC2\x9B", "zor\\x1B[2Jctl\\u009B"},
      {"line\nnext\t\xC3\xA9", "line\\nnext\\t\xC3\xA9"},
      {"a\x9B-\xFF", "a\xEF\xBF\xBD-\xEF\xBF\xBD"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(OneLine(c.text), c.shown) << c.shown;
}

}  // namespace
