#pragma once
// A user operation is one button press and everything it sends. Code deep
// inside an operation throws OperationAborted to end it at once; the button
// dispatcher of the dialog catches it, so the operation stops quietly at the
// handler boundary. Whoever throws has already told the user why.

namespace platform {

struct OperationAborted {};

}  // namespace platform
