#include "controller/work_time.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>

namespace zor::controller {
namespace {

// Calls gap(from, to) for each part of [since, now) outside counted, in order.
template <typename Gap>
void forEachGap(std::span<const Span> counted, std::int64_t since, std::int64_t now, Gap gap) {
  std::int64_t at = since;
  for (const Span& span : counted) {
    if (span.to <= at) continue;
    if (span.from >= now) break;
    if (span.from > at) gap(at, span.from);
    at = span.to;
  }
  if (at < now) gap(at, now);
}

}  // namespace

Count countSince(std::span<const Span> counted, std::int64_t since, std::int64_t now) {
  std::int64_t uncounted = 0;
  forEachGap(counted, since, now, [&](std::int64_t from, std::int64_t to) { uncounted += to - from; });
  Count count{
      static_cast<std::uint32_t>(std::min<std::int64_t>(uncounted / 1000, std::numeric_limits<std::uint32_t>::max())),
      since};
  // The whole seconds end where that much uncounted time has passed.
  std::int64_t rest = uncounted / 1000 * 1000;
  forEachGap(counted, since, now, [&](std::int64_t from, std::int64_t to) {
    if (rest == 0) return;
    const std::int64_t taken = std::min(rest, to - from);
    count.until = from + taken;
    rest -= taken;
  });
  return count;
}

std::vector<Span> withSpan(std::vector<Span> counted, Span span) {
  if (span.from >= span.to) return counted;
  counted.push_back(span);
  std::sort(counted.begin(), counted.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
  std::vector<Span> merged;
  for (const Span& s : counted) {
    if (!merged.empty() && s.from <= merged.back().to)
      merged.back().to = std::max(merged.back().to, s.to);
    else
      merged.push_back(s);
  }
  if (merged.size() > kMaxCountedSpans)
    merged.erase(merged.begin(), merged.end() - static_cast<std::ptrdiff_t>(kMaxCountedSpans));
  return merged;
}

std::int64_t monotonicMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string currentBootId() {
  const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[kMaxBootLength + 1];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  std::string id(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
  while (!id.empty() && id.back() == '\n') id.pop_back();
  const bool plain = id.size() <= kMaxBootLength && std::all_of(id.begin(), id.end(), [](char c) {
                       return std::isxdigit(static_cast<unsigned char>(c)) || c == '-';
                     });
  return plain ? id : std::string();
}

}  // namespace zor::controller
