// A device link for process tests: exports the five entry points, appends
// every call to the file named by ZOR_RECORD ("send 42 31", "query 142/38",
// "find"), and answers as a system named NZ-REC (or ZOR_RECORD_MODEL, cut to
// 10 bytes) whose every other reply is zeros.
// ZOR_RECORD_REFUSE=n makes the n-th packet fail with result 2.
// ZOR_RECORD_SIGNAL=n:s[,n:s...] sends the process signal s once the n-th
// packet is recorded: a signal that arrives while a text is going out.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

int g_packets = 0;

void Record(const char* format, unsigned a, unsigned b) {
  const char* path = std::getenv("ZOR_RECORD");
  if (path == nullptr) return;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, format, a, b);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

}  // namespace

EXPORT std::int32_t dwSendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t*) {
  if (packet == nullptr || length != 4) return 2;
  ++g_packets;
  const char* refuse = std::getenv("ZOR_RECORD_REFUSE");
  const bool refused = refuse != nullptr && std::atoi(refuse) == g_packets;
  Record(refused ? "send %02X %02X -> 2" : "send %02X %02X", packet[2], packet[3]);
  if (const char* signals = std::getenv("ZOR_RECORD_SIGNAL")) {
    char* end = const_cast<char*>(signals);
    do {
      const long n = std::strtol(end + (end == signals ? 0 : 1), &end, 10);
      if (*end != ':') break;
      const long s = std::strtol(end + 1, &end, 10);
      if (n == g_packets) kill(getpid(), static_cast<int>(s));
    } while (*end == ',');
  }
  return refused ? 2 : 0;
}

EXPORT std::int32_t dwGetStatus(std::int32_t code, std::int32_t, std::uint8_t* block, std::int32_t length,
                                const char16_t*) {
  Record("query %u/%u", static_cast<unsigned>(code), static_cast<unsigned>(length));
  if (block == nullptr || length <= 0) return 2;
  std::memset(block, 0, static_cast<std::size_t>(length));
  if (code == 142 && length >= 38) {
    const char* model = std::getenv("ZOR_RECORD_MODEL");
    if (model == nullptr) model = "NZ-REC";
    std::memcpy(block + 26, model, std::min<std::size_t>(std::strlen(model), 10));
  }
  return 0;
}

EXPORT std::int32_t ZORFindSystems(std::uint8_t*, std::int32_t* found) {
  Record("find", 0, 0);
  if (found != nullptr) *found = 1;
  return 1;
}

EXPORT std::int32_t dwSendData(const std::uint8_t*, std::int32_t, const char16_t*) { return 2; }
EXPORT std::int32_t ZORSystemCheckStatus(const char16_t*) { return 0; }
