#include "service/format.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "duration/duration.h"
#include "files/result.h"
#include "mac/mac_mask.h"
#include "text/people_text.h"

namespace zor::service {

namespace {

std::u16string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::u16string Printf(const char* format, ...) {
  char buffer[64];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return {};
  const auto length = static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1;
  return std::u16string(buffer, buffer + length);
}

}  // namespace

// printf would follow the locale's decimal point; the controller and the
// panel use ".". A float's largest value has 39 digits before it.
std::u16string FormatFixed5(float value) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 5);
  if (error != std::errc()) return {};
  return std::u16string(buffer, end);
}

std::u16string FormatUnsigned(std::uint32_t value) { return Printf("%u", value); }

std::u16string FormatHex8(std::uint32_t value) { return Printf("%08x", value); }

std::u16string FormatModelCode(std::uint32_t value) { return Printf("%06x", value & 0xFFFFFFu); }

std::u16string FormatMacAddress(const MacAddress& mac) { return mac::formatMacAddress(mac); }

std::u16string FormatDotted(const Ipv4& a) { return Printf("%d.%d.%d.%d", a[0], a[1], a[2], a[3]); }

std::optional<Ipv4> ParseDotted(std::u16string_view text) {
  Ipv4 address{};
  for (std::size_t i = 0; i < address.size(); ++i) {
    const std::size_t dot = i + 1 < address.size() ? text.find(u'.') : text.size();
    if (dot == std::u16string_view::npos || dot == 0 || dot > 3) return std::nullopt;
    unsigned octet = 0;
    for (char16_t c : text.substr(0, dot)) {
      if (c < u'0' || c > u'9') return std::nullopt;
      octet = octet * 10 + (c - u'0');
    }
    if (octet > 255) return std::nullopt;
    address[i] = static_cast<std::uint8_t>(octet);
    text.remove_prefix(std::min(text.size(), dot + 1));
  }
  return address;
}

std::u16string FormatWorkTime(std::uint32_t seconds) {
  // A pattern of known directives only: it cannot fail (the tests format it).
  const files::Result<std::u16string> text = duration::FormatDuration(seconds, u"%D,%H:%M:%S");
  return text ? *text : std::u16string();
}

std::u16string FormatWorkTimeBox(std::uint32_t seconds) {
  return text::Tr("zor::service::Maintenance", "Total working days: %1").arg(FormatWorkTime(seconds)).localU16();
}

}  // namespace zor::service
