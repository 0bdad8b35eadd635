// Fuzz target: the state file's text, as the state file reader takes it.
// Whatever the bytes, parsing ends without a fault; what parses holds values
// within their ranges and reads back the same after being written.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "controller/state_text.h"

namespace {

using zor::controller::ControllerState;

bool inRange(const ControllerState& s) {
  using zor::controller::validOffset;
  return validOffset(s.distortionOffset) && validOffset(s.centerOffset) && validOffset(s.aimTopLeft) &&
         validOffset(s.aimBottomRight) && s.modelName.size() <= zor::controller::kModelNameLength;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto state = zor::controller::parseState(text);
  if (!state) return 0;
  if (!inRange(*state)) __builtin_trap();
  const auto again = zor::controller::parseState(zor::controller::formatState(*state));
  if (!again || !(*again == *state)) __builtin_trap();
  return 0;
}
