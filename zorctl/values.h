#pragma once
// Values typed on zorctl's command line, read into what the service layer
// takes. Each refuses what the panel's own field would not produce.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "service/maintenance.h"

namespace zor::zorctl {

// A whole decimal number within [min, max], as the panel's number fields take it.
std::optional<std::int64_t> ParseWhole(std::string_view text, std::int64_t min, std::int64_t max);

// Jogs: U, D, L, R (either case), nothing else.
std::optional<std::vector<zor::service::Direction>> ParseMoves(std::string_view text);

}  // namespace zor::zorctl
