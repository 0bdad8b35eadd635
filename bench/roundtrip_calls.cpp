// roundtrip_calls [CALLS]: the wall time of single calls into the device link, as
// set up by the environment (ZORCOMM_LINK, ZORCOMM_SOCKET), each call timed on
// its own: a status query (the currents) and a send (a text character, the
// text ended now and then). Prints one line per call:
//   <name> median-us <us> p90-us <us> calls <n>
// Exit status 1 when no system answers or a call fails.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "comm/zorcomm.h"
#include "protocol/zor_protocol.h"

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

template <class Call>
bool Measure(const char* name, int calls, Call call) {
  std::vector<long long> ns;
  ns.reserve(static_cast<std::size_t>(calls));
  for (int i = 0; i < calls / 10; ++i)  // warm-up
    if (call(i) != 0) return false;
  for (int i = 0; i < calls; ++i) {
    const long long start = NowNs();
    const int result = call(i);
    ns.push_back(NowNs() - start);
    if (result != 0) return false;
  }
  std::sort(ns.begin(), ns.end());
  std::printf("%s median-us %.2f p90-us %.2f calls %d\n", name, static_cast<double>(ns[ns.size() / 2]) / 1000,
              static_cast<double>(ns[ns.size() * 9 / 10]) / 1000, calls);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int calls = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
  std::uint8_t discovery[zor::protocol::kDiscoveryScratchSize];
  std::int32_t found = 0;
  if (ZORFindSystems(discovery, &found) == 0) {
    std::fprintf(stderr, "roundtrip_calls: no system answered\n");
    return 1;
  }
  std::uint8_t currents[8];
  const bool ok =
      Measure("status", calls,
              [&](int) {
                return dwGetStatus(zor::protocol::CMD_GET_CURRENTS, 0, currents, sizeof currents, u"NOT USED");
              }) &&
      Measure("send", calls, [](int i) {
        const std::uint8_t packet[4] = {0xFF, 0xFF, zor::protocol::CMD_TEXT_CHAR,
                                        static_cast<std::uint8_t>((i & 31) != 31 ? '7' : 0)};
        return dwSendCommand(packet, 4, u"SYSTEM NAME NOT USED");
      });
  if (!ok) std::fprintf(stderr, "roundtrip_calls: a call failed\n");
  return ok ? 0 : 1;
}
