// Per-call cost of the device link's entry points, trace off.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "comm/zorcomm.h"
#include "protocol/zor_protocol.h"

namespace {

constexpr char16_t kName[] = u"SYSTEM NAME NOT USED";

void send(std::uint8_t code, std::uint8_t value) {
  const std::uint8_t packet[4] = {0xFF, 0xFF, code, value};
  benchmark::DoNotOptimize(dwSendCommand(packet, 4, kName));
}

void BM_TextChar(benchmark::State& state) {
  std::uint8_t n = 0;
  for (auto _ : state) send(zor::protocol::CMD_TEXT_CHAR, (++n & 31) ? '7' : 0);  // ends a text now and then
}
BENCHMARK(BM_TextChar);

void BM_JogInAdjustment(benchmark::State& state) {
  send(zor::protocol::CMD_DISTORTION_ADJUST_BEGIN, 0);
  // Up and down in turn: the offset stays well inside its range, where jogs are taken.
  std::uint8_t n = 0;
  for (auto _ : state) send((++n & 1) ? zor::protocol::CMD_JOG_UP : zor::protocol::CMD_JOG_DOWN, 0);
  send(zor::protocol::CMD_ADJUST_END, 0);
}
BENCHMARK(BM_JogInAdjustment);

void BM_JogOutsideAdjustment(benchmark::State& state) {
  for (auto _ : state) send(zor::protocol::CMD_JOG_LEFT, 0);
}
BENCHMARK(BM_JogOutsideAdjustment);

void BM_Status(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  std::uint8_t block[38];
  for (auto _ : state) {
    benchmark::DoNotOptimize(dwGetStatus(code, 0, block, sizeof block, u"NOT USED"));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Status)
    ->Arg(zor::protocol::CMD_GET_SYSTEM_INFO)
    ->Arg(zor::protocol::CMD_GET_CURRENTS)
    ->Arg(zor::protocol::CMD_GET_WORK_TIME);

// A committing call: the text "1.5" and the command, one atomic state write.
void BM_CommitMaxCurrent(benchmark::State& state) {
  for (auto _ : state) {
    send(zor::protocol::CMD_TEXT_CHAR, '1');
    send(zor::protocol::CMD_TEXT_CHAR, '.');
    send(zor::protocol::CMD_TEXT_CHAR, '5');
    send(zor::protocol::CMD_TEXT_CHAR, 0);
    send(zor::protocol::CMD_SET_MAX_CURRENT, 0);
  }
}
BENCHMARK(BM_CommitMaxCurrent)->Unit(benchmark::kMicrosecond);

}  // namespace

std::string benchDir;

int main(int argc, char** argv) {
  // Never touch the user's controller state; the library reads this on its first call.
  benchDir = (std::filesystem::temp_directory_path() / "zorcomm-bench-XXXXXX").string();
  if (!mkdtemp(benchDir.data())) return 1;
  // Registered before the library's first call: runs after it saved at exit.
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(benchDir, ec);
  });
  setenv("ZORCOMM_STATE", (benchDir + "/controller-state").c_str(), 1);
  setenv("ZORCOMM_LINK", "sim", 1);
  unsetenv("ZORCOMM_TRACE");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
