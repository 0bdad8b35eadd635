#include "zorctl/values.h"

#include <charconv>

namespace zor::zorctl {

std::optional<std::int64_t> ParseWhole(std::string_view text, std::int64_t min, std::int64_t max) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::vector<zor::service::Direction>> ParseMoves(std::string_view text) {
  using zor::service::Direction;
  std::vector<Direction> moves;
  for (char c : text) {
    switch (c) {
      case 'U':
      case 'u':
        moves.push_back(Direction::Up);
        break;
      case 'D':
      case 'd':
        moves.push_back(Direction::Down);
        break;
      case 'L':
      case 'l':
        moves.push_back(Direction::Left);
        break;
      case 'R':
      case 'r':
        moves.push_back(Direction::Right);
        break;
      default:
        return std::nullopt;
    }
  }
  return moves;
}

}  // namespace zor::zorctl
