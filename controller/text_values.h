#pragma once
// How the controller reads the values that arrive as text. Each parser takes
// the whole text or nothing: a value with trailing junk is not a value.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zor::controller {

using MacAddress = std::array<std::uint8_t, 6>;
using Ipv4 = std::array<std::uint8_t, 4>;

struct ControllerModelCode {
  std::uint8_t flag = 0;
  std::uint32_t code = 0;  // low 24 bits
  bool operator==(const ControllerModelCode&) const = default;
};

// Plain decimal number ("1.5", "20", "-0.25"); no blanks, no infinities.
std::optional<double> parseDecimal(std::string_view text);
// Unsigned decimal digits only, at most max.
std::optional<std::uint64_t> parseUnsigned(std::string_view text, std::uint64_t max);
// Optional minus sign and decimal digits, within the signed 32-bit range.
std::optional<std::int32_t> parseInt32(std::string_view text);
// "XX:XX:XX:XX:XX:XX", hexadecimal in either case.
std::optional<MacAddress> parseMac(std::string_view text);
// "xx.xx.xx.xx", two hexadecimal digits per octet, as the tool sends addresses.
std::optional<Ipv4> parseHexOctets(std::string_view text);
// "a.b.c.d" in decimal, as people write addresses (used by the state file).
std::optional<Ipv4> parseDecimalOctets(std::string_view text);
// Two hexadecimal digits of flag, six of model code, then an optional blank.
std::optional<ControllerModelCode> parseControllerModel(std::string_view text);

// The ranges the controller accepts; the state file holds the same values.
bool validCurrent(double amperes);
bool validScale(double factor);
bool validFactor(double value);  // multipliers and the RC jump delay

}  // namespace zor::controller
