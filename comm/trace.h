#pragma once
// Service trace: one line per call of the device link, appended to a file.
// Disabled, it is a null check.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/result.h"
#include "files/unique_fd.h"

namespace zor::comm {

class Trace {
 public:
  // Opens path for appending, creating it when missing. Only a regular file of
  // the current user is used; anything else (a link, a FIFO, a device) leaves
  // the trace off, and a failure that says why.
  files::Result<> open(const std::string& path);

  bool enabled() const { return static_cast<bool>(fd_); }
  // "<monotonic seconds> <entry> <arguments> -> <result>[ note]"
  void write(std::string_view entry, std::string_view arguments, std::int32_t result, std::string_view note = {});
  // "<monotonic seconds> warning: <text>"
  void warning(std::string_view text);

 private:
  void line(const std::string& text);

  files::UniqueFd fd_;
};

// Bytes as upper-case hexadecimal pairs, separated by blanks; null shows as "null".
std::string hexBytes(const std::uint8_t* bytes, std::size_t count);

// The arguments of each entry point as its trace line shows them, whichever
// backend answered. A length may be a lie: never more bytes than a packet's
// 4, or than 16 of the data, are shown.
std::string commandArguments(const std::uint8_t* packet, std::int32_t length);
// reply: the bytes read, null when none were.
std::string statusArguments(std::int32_t code, std::int32_t reserved, std::int32_t length, const std::uint8_t* reply,
                            std::size_t replySize);
std::string findArguments(const void* discovery, const void* found);
std::string dataArguments(const std::uint8_t* data, std::int32_t length);

}  // namespace zor::comm
