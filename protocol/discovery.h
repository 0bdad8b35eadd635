#pragma once
// The block ZORFindSystems fills: the systems that answered, each with its
// serial number, name and address, in the 2,564 bytes of scratch the caller
// gives. Our device link fills it with every backend; the tool reads it.
//
//   bytes 0-3      count of systems listed (uint32 LE), at most 64
//   4 + 40 i ...   entry i: serial (int32 LE), name (32 bytes Latin-1,
//                  zero-padded), IPv4 address (4 bytes, leftmost octet first)
//
// The out value of ZORFindSystems is the count. The result is nonzero when
// the system this process addresses answered: the one whose serial
// ZORCOMM_SYSTEM names (decimal), else the first listed.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/zor_protocol.h"

namespace zor::protocol::discovery {

inline constexpr std::size_t kCountSize = 4;
inline constexpr std::size_t kEntrySize = 40;
inline constexpr std::size_t kMaxSystems = 64;
inline constexpr std::size_t kSerialAt = 0;
inline constexpr std::size_t kNameAt = 4;
inline constexpr std::size_t kNameWidth = 32;
inline constexpr std::size_t kAddressAt = 36;
static_assert(kCountSize + kMaxSystems * kEntrySize == kDiscoveryScratchSize, "the block is the whole scratch");
static_assert(kNameAt + kNameWidth == kAddressAt && kAddressAt + 4 == kEntrySize);

// The variable that names the system a process addresses, read at every discovery.
inline constexpr const char* kSystemVariable = "ZORCOMM_SYSTEM";

struct Entry {
  std::int32_t serial = 0;
  std::string name;  // Latin-1 bytes, at most kNameWidth of them
  std::array<std::uint8_t, 4> address{};
  bool operator==(const Entry&) const = default;
};

// The whole block: the first kMaxSystems entries (names cut to kNameWidth
// bytes), zeros everywhere else.
inline void Write(std::uint8_t* block, std::span<const Entry> entries) {
  std::memset(block, 0, kDiscoveryScratchSize);
  const std::size_t count = std::min(entries.size(), kMaxSystems);
  for (std::size_t i = 0; i < kCountSize; ++i) block[i] = static_cast<std::uint8_t>(count >> (8 * i));
  for (std::size_t n = 0; n < count; ++n) {
    std::uint8_t* out = block + kCountSize + n * kEntrySize;
    const auto serial = static_cast<std::uint32_t>(entries[n].serial);
    for (std::size_t i = 0; i < 4; ++i) out[kSerialAt + i] = static_cast<std::uint8_t>(serial >> (8 * i));
    std::memcpy(out + kNameAt, entries[n].name.data(), std::min(entries[n].name.size(), kNameWidth));
    std::copy(entries[n].address.begin(), entries[n].address.end(), out + kAddressAt);
  }
}

// The entries a block lists; a count above kMaxSystems lists the first
// kMaxSystems. A name ends at its first zero byte or at its field's end.
inline std::vector<Entry> Read(const std::uint8_t* block) {
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < kCountSize; ++i) count |= std::uint32_t{block[i]} << (8 * i);
  std::vector<Entry> entries(std::min<std::size_t>(count, kMaxSystems));
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const std::uint8_t* in = block + kCountSize + n * kEntrySize;
    std::uint32_t serial = 0;
    for (std::size_t i = 0; i < 4; ++i) serial |= std::uint32_t{in[kSerialAt + i]} << (8 * i);
    entries[n].serial = static_cast<std::int32_t>(serial);
    const auto* name = reinterpret_cast<const char*>(in + kNameAt);
    entries[n].name.assign(name, std::find(name, name + kNameWidth, '\0'));
    std::copy(in + kAddressAt, in + kAddressAt + 4, entries[n].address.begin());
  }
  return entries;
}

// A serial number as ZORCOMM_SYSTEM gives it: decimal, in the signed 32-bit
// range, nothing else; nothing for any other text.
inline std::optional<std::int32_t> ParseSerial(std::string_view text) {
  std::int32_t serial = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, serial);
  if (text.empty() || error != std::errc() || at != end) return std::nullopt;
  return serial;
}

// The system a process addresses among those found: the one whose serial
// `wanted` names (ZORCOMM_SYSTEM; null or empty when unset), else the first.
// Nothing when none answered, or the serial wanted is not among them or is
// not a serial at all.
inline std::optional<std::size_t> Addressed(std::span<const Entry> found, const char* wanted) {
  if (found.empty()) return std::nullopt;
  if (wanted == nullptr || *wanted == '\0') return 0;
  const std::optional<std::int32_t> serial = ParseSerial(wanted);
  if (!serial) return std::nullopt;
  const auto it = std::find_if(found.begin(), found.end(), [&](const Entry& e) { return e.serial == *serial; });
  if (it == found.end()) return std::nullopt;
  return static_cast<std::size_t>(it - found.begin());
}

}  // namespace zor::protocol::discovery
