#pragma once
// Service trace: one line per call of the device link, appended to a file.
// Disabled, it is a null check.

#include <cstdint>
#include <string>
#include <string_view>

#include "controller/careful_file.h"

namespace zor::sim {

class Trace {
 public:
  // Opens path for appending, creating it when missing. Only a regular file of
  // the current user is used; anything else (a link, a FIFO, a device) leaves
  // the trace off and the reason in why.
  bool open(const std::string& path, std::string* why = nullptr);

  bool enabled() const { return static_cast<bool>(fd_); }
  // "<monotonic seconds> <entry> <arguments> -> <result>[ note]"
  void write(std::string_view entry, std::string_view arguments, std::int32_t result, std::string_view note = {});
  // "<monotonic seconds> warning: <text>"
  void warning(std::string_view text);

 private:
  void line(const std::string& text);

  UniqueFd fd_;
};

// Bytes as upper-case hexadecimal pairs, separated by blanks; null shows as "null".
std::string hexBytes(const std::uint8_t* bytes, std::size_t count);

}  // namespace zor::sim
