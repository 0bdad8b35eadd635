#include "duration/duration.h"

#include <charconv>
#include <limits>
#include <vector>

namespace zor::duration {

namespace {

constexpr std::uint32_t kUint32Max = std::numeric_limits<std::uint32_t>::max();

// Shared by MakeDuration and the reset check, so both agree on the total; the
// reset check feeds it tokens that do not fit 32 bits.
constexpr std::int64_t TotalSeconds(std::int64_t days, std::int64_t hours, std::int64_t minutes, std::int64_t seconds) {
  return ((days * 24 + hours) * 60 + minutes) * 60 + seconds;
}

// Appends value as printf's "%0<width>d" would: the sign first, then zeros up
// to the width, then the digits. Width 0 is plain "%d".
void AppendDecimal(std::u16string& out, std::int64_t value, std::size_t width) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;  // 24 characters hold any 64-bit value
  const char* digits = buffer;
  std::size_t length = static_cast<std::size_t>(end - buffer);
  if (*digits == '-') {
    out.push_back(u'-');
    ++digits;
  }
  for (std::size_t n = length; n < width; ++n) out.push_back(u'0');
  for (const char* p = digits; p != end; ++p) out.push_back(static_cast<char16_t>(*p));
}

// Typed entries are wide C strings in the dialog, so a NUL ends them.
std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

bool IsSeparator(char16_t c) { return c == u',' || c == u' ' || c == u':'; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Runs of separators count as one and separators at either end are skipped,
// so no token is empty.
std::vector<std::u16string_view> SplitEntry(std::u16string_view text) {
  std::vector<std::u16string_view> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsSeparator(text[i])) ++i;
    if (i > start) tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

// wcstoul(token, nullptr, 10) with a 32-bit unsigned long, independent of the
// C locale and of the width of wchar_t.
std::uint32_t ConvertLikeWcstoul(std::u16string_view token) {
  std::size_t i = 0;
  // The C locale's white space; the blank itself never reaches a token.
  while (i < token.size() && (token[i] == u' ' || (token[i] >= u'\t' && token[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == u'+' || token[i] == u'-')) {
    negative = token[i] == u'-';
    ++i;
  }
  std::uint64_t value = 0;
  bool overflow = false;
  for (; i < token.size() && IsDigit(token[i]); ++i) {
    value = value * 10 + static_cast<std::uint64_t>(token[i] - u'0');
    if (value > kUint32Max) {
      overflow = true;
      value = 0;  // keeps the accumulator small; the result is fixed now
    }
  }
  // Out of range saturates even with a minus sign; in range, "-" negates
  // modulo 2^32.
  if (overflow) return kUint32Max;
  const auto magnitude = static_cast<std::uint32_t>(value);
  return negative ? static_cast<std::uint32_t>(0u - magnitude) : magnitude;
}

// Plain digits only, or nullopt. Saturates just above the 32-bit range, so any
// length of digits is safe and an oversized token still makes the total too
// large, while leading zeros stay harmless.
std::optional<std::int64_t> StrictDecimal(std::u16string_view token) {
  constexpr std::int64_t kTooLarge = std::int64_t{kUint32Max} + 1;
  std::int64_t value = 0;
  for (const char16_t c : token) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > kTooLarge) value = kTooLarge;
  }
  return value;
}

}  // namespace

Duration MakeDuration(std::int32_t days, std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  return TotalSeconds(days, hours, minutes, seconds);
}

files::Result<std::u16string> FormatDuration(Duration value, const char16_t* pattern) {
  if (pattern == nullptr) return files::Failure{"FormatDuration: pattern is null"};

  const std::int64_t days = value / 86400;
  // Truncating divisions throughout, so each part of a negative value is
  // negative or zero. The parts are narrowed to 32 bits as they are printed.
  const auto hour = static_cast<std::int32_t>(value / 3600 - days * 24);
  const auto minute = static_cast<std::int32_t>(value / 60 - (value / 3600) * 60);
  const auto second = static_cast<std::int32_t>(value - (value / 60) * 60);

  std::u16string out;
  out.reserve(128);
  for (const char16_t* p = pattern; *p != u'\0'; ++p) {
    if (*p != u'%') {
      out.push_back(*p);
      continue;
    }
    ++p;
    const bool noLeadingZero = *p == u'#';
    if (noLeadingZero) ++p;
    const std::size_t width = noLeadingZero ? 0 : 2;
    switch (*p) {
      case u'D':
        AppendDecimal(out, days, 0);
        break;
      case u'H':
        AppendDecimal(out, hour, width);
        break;
      case u'M':
        AppendDecimal(out, minute, width);
        break;
      case u'S':
        AppendDecimal(out, second, width);
        break;
      case u'%':
        out.push_back(u'%');
        break;
      default:
        // Includes the terminating NUL: a pattern ending in "%" or "%#".
        return files::Failure{"FormatDuration: unknown directive in pattern"};
    }
  }
  return out;
}

std::optional<std::array<std::uint32_t, 4>> ParseWorkingTimeEntry(std::u16string_view text) {
  const auto tokens = SplitEntry(UpToNul(text));
  if (tokens.size() != 4) return std::nullopt;
  std::array<std::uint32_t, 4> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = ConvertLikeWcstoul(tokens[i]);
  return fields;
}

std::optional<std::uint32_t> WorkingTimeResetSeconds(std::u16string_view entry) {
  const auto tokens = SplitEntry(UpToNul(entry));
  if (tokens.size() != 4) return std::nullopt;
  std::array<std::int64_t, 4> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto field = StrictDecimal(tokens[i]);
    if (!field) return std::nullopt;
    fields[i] = *field;
  }
  const std::int64_t total = TotalSeconds(fields[0], fields[1], fields[2], fields[3]);
  if (total < 0 || total > std::int64_t{kUint32Max}) return std::nullopt;
  return static_cast<std::uint32_t>(total);
}

}  // namespace zor::duration
