#include "zorctl/values.h"

#include <charconv>

#include "lan/mac_mask.h"

namespace zorctl {

std::optional<std::int64_t> ParseWhole(std::string_view text, std::int64_t min, std::int64_t max) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<zor::service::Ipv4> ParseIpv4(std::string_view text) {
  zor::service::Ipv4 address{};
  for (std::size_t i = 0; i < address.size(); ++i) {
    const std::size_t dot = i + 1 < address.size() ? text.find('.') : text.size();
    if (dot == std::string_view::npos) return std::nullopt;
    const std::string_view part = text.substr(0, dot);
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    const auto octet = ParseWhole(part, 0, 255);
    if (!octet) return std::nullopt;
    address[i] = static_cast<std::uint8_t>(*octet);
    text.remove_prefix(std::min(text.size(), dot + 1));
  }
  return address;
}

std::optional<std::u16string> ParseMac(std::string_view text) {
  const std::u16string wide(text.begin(), text.end());
  return zor::mac::wholeMacAddress(wide);
}

std::optional<std::vector<zor::service::Direction>> ParseMoves(std::string_view text) {
  using zor::service::Direction;
  std::vector<Direction> moves;
  for (char c : text) {
    switch (c) {
      case 'U': case 'u': moves.push_back(Direction::Up); break;
      case 'D': case 'd': moves.push_back(Direction::Down); break;
      case 'L': case 'l': moves.push_back(Direction::Left); break;
      case 'R': case 'r': moves.push_back(Direction::Right); break;
      default: return std::nullopt;
    }
  }
  return moves;
}

}  // namespace zorctl
