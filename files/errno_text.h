#pragma once
// A failed call in words, for a message: "<what>: <what errno says>", e.g.
// "cannot open /x/y: Permission denied". Every folder says it this way.

#include <string>
#include <string_view>

#include "files/result.h"

namespace zor::files {

// With the errno of the call that just failed.
std::string errnoText(std::string_view what);
// With an errno kept from before.
std::string errnoText(std::string_view what, int error);
// errnoText(what) as a Failure that keeps the errno.
Failure errnoFailure(std::string_view what);

}  // namespace zor::files
