#pragma once
// The values the controller takes as text, one row per set command: the name
// its notes give the value, what the text must be, and how the text is read
// into the kept state.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "controller/controller_model.h"

namespace zor::controller {

struct TextSetting {
  std::uint8_t code;
  const char* name;      // "X scale: ..."
  const char* expected;  // "... is not a scale above 0, at most 100"
  // The change the text makes, or nothing for a text that is not such a value.
  std::optional<StateChange> (*read)(std::string_view text);
};

// Every set command, in code order.
std::span<const TextSetting> textSettings();
// The row of a set command; nullptr for any other code.
const TextSetting* textSetting(std::uint8_t code);

}  // namespace zor::controller
