#include "controller/text_values.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zor::controller {
namespace {

std::optional<std::uint8_t> hexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<std::uint8_t> hexByte(std::string_view two) {
  if (two.size() != 2) return std::nullopt;
  auto high = hexDigit(two[0]);
  auto low = hexDigit(two[1]);
  if (!high || !low) return std::nullopt;
  return static_cast<std::uint8_t>(*high << 4 | *low);
}

template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> hexGroups(std::string_view text, char separator) {
  if (text.size() != N * 3 - 1) return std::nullopt;
  std::array<std::uint8_t, N> bytes{};
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0 && text[i * 3 - 1] != separator) return std::nullopt;
    auto byte = hexByte(text.substr(i * 3, 2));
    if (!byte) return std::nullopt;
    bytes[i] = *byte;
  }
  return bytes;
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  // from_chars would take "inf", "nan" and hexadecimal exponents; a
  // controller reading a typed number takes digits, one point and a sign.
  for (char c : text)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+')) return std::nullopt;
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::uint64_t> parseUnsigned(std::string_view text, std::uint64_t max) {
  if (!allDigits(text)) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!allDigits(negative ? text.substr(1) : text)) return std::nullopt;
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<MacAddress> parseMac(std::string_view text) { return hexGroups<6>(text, ':'); }

std::optional<Ipv4> parseHexOctets(std::string_view text) { return hexGroups<4>(text, '.'); }

std::optional<Ipv4> parseDecimalOctets(std::string_view text) {
  Ipv4 octets{};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto dot = i < 3 ? text.find('.') : text.size();
    if (dot == std::string_view::npos || dot > 3) return std::nullopt;
    auto octet = parseUnsigned(text.substr(0, dot), 255);
    if (!octet) return std::nullopt;
    octets[i] = static_cast<std::uint8_t>(*octet);
    text.remove_prefix(i < 3 ? dot + 1 : dot);
  }
  return octets;
}

std::optional<ControllerModelCode> parseControllerModel(std::string_view text) {
  if (text.size() == 9 && text.back() == ' ') text.remove_suffix(1);
  if (text.size() != 8) return std::nullopt;
  auto flag = hexByte(text.substr(0, 2));
  if (!flag) return std::nullopt;
  std::uint32_t code = 0;
  for (char c : text.substr(2)) {
    auto digit = hexDigit(c);
    if (!digit) return std::nullopt;
    code = code << 4 | *digit;
  }
  return ControllerModelCode{*flag, code};
}

bool validCurrent(double amperes) { return amperes >= 0.0 && amperes <= 1000.0; }
bool validScale(double factor) { return factor > 0.0 && factor <= 100.0; }
bool validFactor(double value) { return value >= 0.0 && value <= 1.0e6; }

}  // namespace zor::controller
