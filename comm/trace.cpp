#include "comm/trace.h"

#include <time.h>

namespace zor::sim {

bool Trace::open(const std::string &path) {
  if (file_) std::fclose(file_);
  file_ = std::fopen(path.c_str(), "ae");
  return file_ != nullptr;
}

Trace::~Trace() {
  if (file_) std::fclose(file_);
}

void Trace::write(std::string_view entry, std::string_view arguments, std::int32_t result, std::string_view note) {
  if (!file_) return;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::fprintf(file_, "%lld.%06ld %.*s %.*s -> %d%s%.*s\n", static_cast<long long>(now.tv_sec), now.tv_nsec / 1000,
               static_cast<int>(entry.size()), entry.data(), static_cast<int>(arguments.size()), arguments.data(),
               static_cast<int>(result), note.empty() ? "" : " ", static_cast<int>(note.size()), note.data());
  // Flushed per line: the trace is for the moment something goes wrong.
  std::fflush(file_);
}

std::string hexBytes(const std::uint8_t *bytes, std::size_t count) {
  if (!bytes) return "null";
  static const char *digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    if (i) out += ' ';
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

}  // namespace zor::sim
