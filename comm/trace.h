#pragma once
// Service trace: one line per call of the device link, appended to a file.
// Disabled, it is a null check.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zor::sim {

class Trace {
 public:
  Trace() = default;
  // Opens path for appending; false (and disabled) when it cannot.
  bool open(const std::string &path);
  ~Trace();
  Trace(const Trace &) = delete;
  Trace &operator=(const Trace &) = delete;

  bool enabled() const { return file_ != nullptr; }
  // "<monotonic seconds> <entry> <arguments> -> <result>[ note]"
  void write(std::string_view entry, std::string_view arguments, std::int32_t result, std::string_view note = {});

 private:
  std::FILE *file_ = nullptr;
};

// Bytes as upper-case hexadecimal pairs, separated by blanks; null shows as "null".
std::string hexBytes(const std::uint8_t *bytes, std::size_t count);

}  // namespace zor::sim
