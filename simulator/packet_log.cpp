#include "simulator/packet_log.h"

#include <cstdio>

#include "simulator/fixed_number.h"

namespace zor::simulator {
namespace {

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
  std::string line =
      "{\"t\":" + fixed(r.t, 6) + ",\"pid\":" + std::to_string(r.pid) + ",\"system\":" + orNull(r.system) +
      ",\"call\":\"" + std::string(protocol::frames::CallName(r.call)) + "\",\"code\":" + orNull(r.code) +
      ",\"name\":" + (r.name.empty() ? "null" : jsonLatin1(r.name)) + ",\"value\":" + orNull(r.value) +
      ",\"result\":" + std::to_string(r.result) + ",\"pause_ms\":" + (r.pauseMs ? fixed(*r.pauseMs, 3) : "null") +
      ",\"short\":" + (r.shortPause ? "true" : "false");
  if (r.text) line += ",\"text\":" + jsonLatin1(*r.text);
  return line + "}";
}

}  // namespace zor::simulator
