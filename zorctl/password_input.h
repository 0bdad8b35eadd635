#pragma once
// Where zorctl takes the service password from: --password-file FILE, then
// ZOR_SERVICE_PASSWORD, then a prompt without echo when standard input is a
// terminal. Never from the command line itself, where the process list
// would show it.

#include <chrono>
#include <optional>
#include <string>

#include "service/outcome.h"

namespace zor::zorctl {

// How long a password file that is a pipe may take to deliver its line.
inline constexpr std::chrono::milliseconds kPasswordFileWait{10000};

// The password, or Refused (the password's input) with why there is none:
// the command goes no further.
zor::service::Reading<std::u16string> ReadServicePassword(const std::optional<std::string>& passwordFile);

// The first line of a password file, at most a few KB, without its line
// ending. A pipe or FIFO (<(pass show zor), mkfifo) may get its writer and
// its line later, but within wait; after that the file is refused.
zor::service::Reading<std::string> ReadPasswordFile(const std::string& path,
                                                    std::chrono::milliseconds wait = kPasswordFileWait);

}  // namespace zor::zorctl
