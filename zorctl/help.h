#pragma once
// zorctl's help: the whole tool, and each command.

#include <string_view>

namespace zorctl {

extern const std::string_view kHelpText;  // zorctl --help
// The help of one command, or empty when there is no such command.
std::string_view CommandHelp(std::string_view command);

}  // namespace zorctl
