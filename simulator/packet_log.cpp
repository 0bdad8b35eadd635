#include "simulator/packet_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace zor::simulator {
namespace {

std::string number(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

template <typename T>
std::string orNull(const std::optional<T>& value) {
  return value ? std::to_string(*value) : "null";
}

}  // namespace

std::string jsonLatin1(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || (c >= 0x7f && c < 0xa0)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {  // Latin-1 is the first 256 code points: two bytes of UTF-8
      out += static_cast<char>(0xc0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3f));
    }
  }
  return out + "\"";
}

std::string packetLogLine(const CallRecord& r) {
  std::string line = "{\"t\":" + number(r.t, 6) + ",\"pid\":" + std::to_string(r.pid) +
                     ",\"system\":" + orNull(r.system) + ",\"call\":\"" + std::string(frames::CallName(r.call)) +
                     "\",\"code\":" + orNull(r.code) + ",\"name\":" + (r.name.empty() ? "null" : jsonLatin1(r.name)) +
                     ",\"value\":" + orNull(r.value) + ",\"result\":" + std::to_string(r.result) +
                     ",\"pause_ms\":" + (r.pauseMs ? number(*r.pauseMs, 3) : "null") +
                     ",\"short\":" + (r.shortPause ? "true" : "false");
  if (r.text) line += ",\"text\":" + jsonLatin1(*r.text);
  return line + "}";
}

bool PacketLog::open(const std::filesystem::path& path, std::string& why) {
  // An existing log may be of any size: it is only appended to.
  sim::OpenResult opened =
      sim::openOwnFile(path, O_WRONLY | O_APPEND | O_CREAT, std::numeric_limits<std::size_t>::max());
  if (opened.status != sim::OpenStatus::Opened) {
    why = opened.why.empty() ? sim::errnoText("cannot open " + path.string()) : opened.why;
    return false;
  }
  path_ = path;
  fd_ = std::move(opened.fd);
  return true;
}

void PacketLog::onCall(const CallRecord& record) {
  if (!fd_ || failed_) return;
  // One write per line, so that a reader never sees half of one.
  const std::string line = packetLogLine(record) + "\n";
  ssize_t n;
  do {
    n = ::write(fd_.get(), line.data(), line.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(line.size())) return;
  failed_ = true;
  warnings_ << "zor-simulator: cannot write the packet log " << path_.string() << ": "
            << (n < 0 ? std::strerror(errno) : "a line was cut short") << "; it stays off from here\n";
  warnings_.flush();
}

}  // namespace zor::simulator
