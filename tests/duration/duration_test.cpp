#include "duration/duration.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace zor::duration {

namespace {

using Fields = std::array<std::uint32_t, 4>;
constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

// Readable trace for UTF-16 inputs, control characters and NUL included.
std::string Show(std::u16string_view text) {
  std::string out = "\"";
  for (const char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
      out += escape;
    }
  }
  return out + "\"";
}

// What FormatDuration gives, a failure as "failed: WHY", so that a comparison shows it.
std::u16string Formatted(Duration value, const char16_t* pattern) {
  const files::Result<std::u16string> text = FormatDuration(value, pattern);
  if (text) return *text;
  std::u16string failed = u"failed: ";
  for (const char c : text.why()) failed += static_cast<char16_t>(static_cast<unsigned char>(c));
  return failed;
}

Duration FromFields(const Fields& f) {
  // The caller's reinterpretation: the same 32 bits taken as signed.
  return MakeDuration(static_cast<std::int32_t>(f[0]), static_cast<std::int32_t>(f[1]), static_cast<std::int32_t>(f[2]),
                      static_cast<std::int32_t>(f[3]));
}

// The documented edge cases. A row with an entry parses it and builds the
// duration from the result; a row with a pattern formats `value`.
struct EdgeCase {
  const char16_t* entry;
  std::optional<Fields> fields;
  Duration value;
  const char16_t* pattern;
  const char16_t* formatted;
};

TEST(DurationTest, DocumentedEdgeCases) {
  const char16_t* const kField = u"%D,%H:%M:%S";
  const EdgeCase cases[] = {
      {nullptr, {}, 0, kField, u"0,00:00:00"},
      {nullptr, {}, 93784, kField, u"1,02:03:04"},
      {nullptr, {}, 86399, kField, u"0,23:59:59"},
      {nullptr, {}, 4294967295, u"Total working days: %D,%H:%M:%S", u"Total working days: 49710,06:28:15"},
      {nullptr, {}, -1, kField, u"0,00:00:-1"},
      {nullptr, {}, -86400, kField, u"-1,00:00:00"},
      {u"1,02:03:04", Fields{1, 2, 3, 4}, 93784, kField, u"1,02:03:04"},
      {u"0,25:61:61", Fields{0, 25, 61, 61}, 93721, kField, u"1,02:02:01"},
      {u" 1 , 2 : 3 : 4 ", Fields{1, 2, 3, 4}, 93784, nullptr, nullptr},
      {u"1,2:3", std::nullopt, 0, nullptr, nullptr},
      {u"1,2:3:4:5", std::nullopt, 0, nullptr, nullptr},
      {u"", std::nullopt, 0, nullptr, nullptr},
      {u",,:", std::nullopt, 0, nullptr, nullptr},
      {u"a,b:c:d", Fields{0, 0, 0, 0}, 0, nullptr, nullptr},
      {u"12h,0:0:0", Fields{12, 0, 0, 0}, 12 * 86400, nullptr, nullptr},
      {u"-1,0:0:0", Fields{kMax32, 0, 0, 0}, -86400, kField, u"-1,00:00:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Show(c.entry ? c.entry : u"") + " value " + std::to_string(c.value));
    if (c.entry) {
      const auto parsed = ParseWorkingTimeEntry(c.entry);
      ASSERT_EQ(parsed, c.fields);
      if (parsed) {
        EXPECT_EQ(FromFields(*parsed), c.value);
      }
    }
    if (c.pattern) {
      EXPECT_EQ(Formatted(c.value, c.pattern), c.formatted);
    }
  }
}

TEST(DurationTest, MakeDurationWidensEveryFieldWithItsSign) {
  constexpr std::int32_t kHi = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kLo = std::numeric_limits<std::int32_t>::min();
  const struct {
    std::int32_t d, h, m, s;
    Duration expected;
  } cases[] = {
      {0, 0, 0, -1, -1},
      {1, -1, 0, 0, 82800},  // no normalisation of mixed signs
      {0, 0, 0, kHi, 2147483647},
      {0, 0, kHi, 0, 128849018820},
      {kHi, kHi, kHi, kHi, 193404524732467},
      {kLo, kLo, kLo, kLo, -193404524822528},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MakeDuration(c.d, c.h, c.m, c.s), c.expected) << c.d << ',' << c.h << ':' << c.m << ':' << c.s;
}

TEST(DurationTest, FormatsNegativePartsHashFormsAndLiterals) {
  const struct {
    Duration value;
    const char16_t* pattern;
    const char16_t* expected;
  } cases[] = {
      {-60, u"%D,%H:%M:%S", u"0,00:-1:00"},
      {-3600, u"%D,%H:%M:%S", u"0,-1:00:00"},
      {-36000, u"%D,%H:%M:%S", u"0,-10:00:00"},
      {-86401, u"%D,%H:%M:%S", u"-1,00:00:-1"},
      {-93784, u"%D,%H:%M:%S", u"-1,-2:-3:-4"},
      {93784, u"%#D,%#H:%#M:%#S", u"1,2:3:4"},
      {-3661, u"%#H:%#M:%#S", u"-1:-1:-1"},
      {3600, u"100%% at %H%#%", u"100% at 01%"},
      {7, u"DHMS #", u"DHMS #"},
      {kMax64, u"%D,%H:%M:%S", u"106751991167300,15:30:07"},
      {kMin64, u"%D,%H:%M:%S", u"-106751991167300,-15:-30:-8"},
  };
  for (const auto& c : cases) EXPECT_EQ(Formatted(c.value, c.pattern), c.expected) << Show(c.pattern) << ' ' << c.value;
}

TEST(DurationTest, RejectsBadPatterns) {
  for (const char16_t* pattern : {u"%", u"%#", u"%x", u"%d", u"%#x", u"ok %D%", u"%h:%m"}) {
    SCOPED_TRACE(Show(pattern));
    const files::Result<std::u16string> text = FormatDuration(93784, pattern);
    EXPECT_FALSE(text);
    EXPECT_EQ(text.why(), "FormatDuration: unknown directive in pattern");
  }
  const files::Result<std::u16string> none = FormatDuration(0, nullptr);
  EXPECT_FALSE(none);
  EXPECT_EQ(none.why(), "FormatDuration: pattern is null");
}

TEST(DurationTest, ConvertsTokensAsWcstoulDoes) {
  using namespace std::string_view_literals;
  const struct {
    std::u16string_view entry;
    std::optional<Fields> expected;
  } cases[] = {
      {u"+5,0,0,0", Fields{5, 0, 0, 0}},
      {u"-0,-1,0,0", Fields{0, kMax32, 0, 0}},
      {u"-4294967295,0,0,0", Fields{1, 0, 0, 0}},
      {u"4294967295,0,0,0", Fields{kMax32, 0, 0, 0}},
      {u"4294967296,0,0,0", Fields{kMax32, 0, 0, 0}},
      {u"-4294967296,0,0,0", Fields{kMax32, 0, 0, 0}},
      {u"99999999999999999999999,0,0,7", Fields{kMax32, 0, 0, 7}},
      {u"007,0,0,0", Fields{7, 0, 0, 0}},
      {u"\t\n\v\f\r9,0,0,0", Fields{9, 0, 0, 0}},
      {u"\t-5,0,0,0", Fields{kMax32 - 4, 0, 0, 0}},
      {u"-\t5,+-5,1.5,3\t", Fields{0, 0, 1, 3}},
      {u"\u0661,\uFF11,0,0", Fields{0, 0, 0, 0}},  // only ASCII digits count
      {u",,,1,,,2:::3   4::", Fields{1, 2, 3, 4}},
      {u"1\t2,3,4", std::nullopt},  // a tab is not a separator
      {u"1,2,3,4,x", std::nullopt},
      {u"1,2,3,4\0,5"sv, Fields{1, 2, 3, 4}},  // the text ends at NUL
      {u"1\0,2,3,4"sv, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWorkingTimeEntry(c.entry), c.expected) << Show(c.entry);
}

TEST(DurationTest, ResetAcceptsOnlyPlainNumbersWithinTheCounter) {
  const struct {
    std::u16string_view entry;
    std::optional<std::uint32_t> expected;
  } cases[] = {
      {u"1,02:03:04", 93784},
      {u" 1 , 2 : 3 : 4 ", 93784},
      {u"0,25:61:61", 93721},
      {u"0001,02:03:04", 93784},
      {u"00000000000000000000001,0:0:0", 86400},
      {u"49710,06:28:15", kMax32},
      {u"0,0:0:4294967295", kMax32},  // a token beyond 31 bits is not wrapped
      {u"0,1193046:28:15", kMax32},
      {u"49710,06:28:16", std::nullopt},
      {u"49711,0:0:0", std::nullopt},
      {u"0,0:0:4294967296", std::nullopt},  // wraps to 0 in 32 bits
      {u"4294967296,0:0:0", std::nullopt},
      {u"0,0:0:18446744073709551616", std::nullopt},  // wraps to 0 in 64 bits
      {u"-1,0:0:0", std::nullopt},
      {u"+1,0:0:0", std::nullopt},
      {u"12h,0:0:0", std::nullopt},
      {u"1.5,0:0:0", std::nullopt},
      {u"\t1,0:0:0", std::nullopt},
      {u"1,2:3", std::nullopt},
      {u"1,2:3:4:5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(WorkingTimeResetSeconds(c.entry), c.expected) << Show(c.entry);
}

TEST(DurationTest, RefusalMessageMatchesWhatTheCheckAccepts) {
  const std::u16string_view message = kWorkingTimeEntryRefusedMessage;
  EXPECT_NE(message.find(u"Days,HH:MM:SS"), message.npos);
  EXPECT_NE(message.find(Formatted(kMax32, u"%D,%H:%M:%S")), message.npos);
  EXPECT_EQ(WorkingTimeResetSeconds(u"1,02:03:04"), 93784u);  // the example it gives
  EXPECT_NE(message.find(u"1,02:03:04"), message.npos);
}

}  // namespace

}  // namespace zor::duration
