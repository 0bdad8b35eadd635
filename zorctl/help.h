#pragma once
// zorctl's help: the whole tool, and each command. The settings they list,
// and the words the bash completion offers for them, come from the table of
// settings.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor::zorctl {

std::string HelpText();  // zorctl --help
// The help of one command, or empty when there is no such command.
std::string CommandHelp(std::string_view command);

// What the bash completion asks for with the hidden "zorctl --complete
// WHAT [NAME]": get (the settings get reads, and all), set (those set
// writes), set-values NAME (the values listed for set NAME). nullopt: no such
// request.
std::optional<std::vector<std::string>> CompletionWords(const std::vector<std::string>& request);

}  // namespace zor::zorctl
