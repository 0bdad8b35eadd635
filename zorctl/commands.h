#pragma once
// zorctl's commands: each reads its values, calls the service layer and
// reports the outcome.

#include "zorctl/arguments.h"
#include "zorctl/output.h"

namespace zor::zorctl {

// Runs the command of inv; returns the exit status.
int RunCommand(const Invocation& inv, Output& out);

// Whether a command of that name exists (for help and usage errors).
bool IsCommand(std::string_view name);

}  // namespace zor::zorctl
