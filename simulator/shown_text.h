#pragma once
// What zor-simulator's window shows of the core, as UTF-8 text: the packet
// monitor's cells and the state at a glance. Window-free, so that each rule
// is tested once, here; text from outside shows its control characters.
// Words are in the user's language (context "zor::simulator::ShownText"),
// numbers, codes and names as they are.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/core.h"
#include "simulator/observer.h"

namespace zor::simulator {

// Latin-1 bytes (a text the controller put together) as UTF-8, on one line
// with each control character shown (text::OneLine).
std::string visibleLatin1(std::string_view latin1);

enum class MonitorColumn { Time, Client, EntryPoint, Code, Value, Text, Reply, Result, Pause };
inline constexpr int kMonitorColumns = 9;
const char* monitorTitle(MonitorColumn column);  // in English: the window translates it
std::string monitorCell(const CallRecord& record, MonitorColumn column);

// A figure as measured: "55.79 × 54.15 mm, nominal 55.01 mm (+1.42 %, -1.57 %)".
std::string measuredText(const simulator::Outline& outline);

// "zorctl (pid 4711)"; "pid 4711" for a client that gave no name.
std::string clientText(pid_t pid, std::string_view program);
// The working-time counter as the tool shows it: D,HH:MM:SS.
std::string workTimeText(std::uint32_t seconds);
// The adjustment open: "none", "distortion", "centering", "aiming alignment, top left point", ...
std::string adjustmentText(const SystemState& state);
// The faults that are on, each in words; empty when none is.
std::vector<std::string> faultTexts(const Faults& faults);

}  // namespace zor::simulator
