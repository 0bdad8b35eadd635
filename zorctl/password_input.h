#pragma once
// Where zorctl takes the service password from: --password-file FILE, then
// ZOR_SERVICE_PASSWORD, then a prompt without echo when standard input is a
// terminal. Never from the command line itself, where the process list
// would show it.

#include <optional>
#include <string>

namespace zorctl {

struct PasswordResult {
  std::optional<std::u16string> password;
  std::string problem;  // why there is none, when there is none
};

PasswordResult ReadServicePassword(const std::optional<std::string>& passwordFile);

// The first line of a password file (pipes such as <(...) included), at most
// a few KB, without its line ending.
std::optional<std::string> ReadPasswordFile(const std::string& path, std::string& problem);

}  // namespace zorctl
