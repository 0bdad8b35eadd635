#include "simulator/fixed_number.h"

#include <array>
#include <charconv>

namespace zor::simulator {

std::string fixed(double value, int decimals) {
  std::array<char, 400> buffer{};  // any double, in full
  auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  std::string text(buffer.data(), end);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace zor::simulator
