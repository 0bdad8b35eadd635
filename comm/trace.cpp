#include "comm/trace.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>

#include "files/own_file.h"

namespace zor::comm {
namespace {

std::string now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld.%06ld", static_cast<long long>(now.tv_sec), now.tv_nsec / 1000);
  return buf;
}

}  // namespace

files::Result<> Trace::open(const std::string& path) {
  // An existing trace may be of any size: it is only appended to.
  files::Result<files::OwnFile> opened =
      files::openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (!opened) return opened.failure();
  fd_ = std::move(opened->fd);
  return {};
}

void Trace::line(const std::string& text) {
  // One write per line: lines of processes sharing a trace never interleave.
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd_.get(), text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a full disk costs the trace, never the call
    done += static_cast<std::size_t>(n);
  }
}

void Trace::write(std::string_view entry, std::string_view arguments, std::int32_t result, std::string_view note) {
  if (!fd_) return;
  std::string text = now();
  text.append(" ").append(entry).append(" ").append(arguments).append(" -> ").append(std::to_string(result));
  if (!note.empty()) text.append(" ").append(note);
  line(text + "\n");
}

void Trace::warning(std::string_view text) {
  if (fd_) line(now() + " warning: " + std::string(text) + "\n");
}

std::string hexBytes(const std::uint8_t* bytes, std::size_t count) {
  if (!bytes) return "null";
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    if (i) out += ' ';
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

std::string commandArguments(const std::uint8_t* packet, std::int32_t length) {
  const auto shown = static_cast<std::size_t>(std::clamp(length, 0, 4));
  return "packet=[" + hexBytes(packet, shown) + "] length=" + std::to_string(length);
}

std::string statusArguments(std::int32_t code, std::int32_t reserved, std::int32_t length, const std::uint8_t* reply,
                            std::size_t replySize) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(code));
  return std::string("status=") + hex + " reserved=" + std::to_string(reserved) + " length=" + std::to_string(length) +
         " reply=[" + (reply ? hexBytes(reply, replySize) : std::string()) + "]";
}

std::string findArguments(const void* discovery, const void* found) {
  return std::string("discovery=") + (discovery ? "set" : "null") + " found=" + (found ? "set" : "null");
}

std::string dataArguments(const std::uint8_t* data, std::int32_t length) {
  return "data=[" + hexBytes(data, static_cast<std::size_t>(std::clamp(length, 0, 16))) + (length > 16 ? " ..." : "") +
         "] length=" + std::to_string(length);
}

}  // namespace zor::comm
