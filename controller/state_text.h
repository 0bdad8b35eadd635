#pragma once
// The controller's kept state as text: "key = value" lines, one per setting.

#include <optional>
#include <string>
#include <string_view>

#include "controller/controller_model.h"
#include "files/result.h"

namespace zor::controller {

std::string formatState(const ControllerState& state);
// Unknown keys are skipped (a newer library may have written them); missing
// keys keep their values in defaults (the controller's whose file it is). Any
// unparsable line or bad value fails the whole text, and so does a text that
// is not ours: one without our heading line and without any of our keys
// (another program's "KEY=value" file), or with a key that is not a plain name
// of letters, digits and '_'. A text of nothing but blank lines is the defaults.
// A failure says where: "line N: ...".
files::Result<ControllerState> parseState(std::string_view text, const ControllerState& defaults = {});

}  // namespace zor::controller
