#pragma once
// The working-time counter, counted once however many processes hold the
// library. The kept counter says which moments it holds already: spans of
// the machine's monotonic clock, which every process of one boot shares and
// nobody sets. A process adds only the whole seconds of its own time that no
// span covers, and records them as a span; the part of a second left over is
// counted later, so nothing is lost to rounding.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zor::controller {

// [from, to) in milliseconds of the monotonic clock.
struct Span {
  std::int64_t from = 0;
  std::int64_t to = 0;
  bool operator==(const Span&) const = default;
};

// Spans are kept apart only when a process held the library alone between
// them; a long run of such gaps keeps the latest ones.
constexpr std::size_t kMaxCountedSpans = 64;
// Names of boots are the kernel's boot_id, 36 characters.
constexpr std::size_t kMaxBootLength = 64;

// The moments the counter holds, on the clock of the boot named.
struct CountedTime {
  std::string boot;
  std::vector<Span> spans;  // sorted, apart from each other, none empty
  bool operator==(const CountedTime&) const = default;
};

struct Count {
  std::uint32_t seconds = 0;  // whole seconds to add
  std::int64_t until = 0;     // counted up to here; what follows is counted later
};

// What a process that holds the library since `since` adds at `now`: the
// whole seconds of [since, now) outside counted. until is where they end.
Count countSince(std::span<const Span> counted, std::int64_t since, std::int64_t now);

// counted with span added: sorted, merged where spans meet, and at most
// kMaxCountedSpans (the earliest go).
std::vector<Span> withSpan(std::vector<Span> counted, Span span);

// The clock the counter runs on: the machine's monotonic clock, in milliseconds.
std::int64_t monotonicMilliseconds();
// The kernel's name for this boot (its boot_id): every process of one boot
// reads the same monotonic clock. Empty when it cannot be read.
std::string currentBootId();

}  // namespace zor::controller
