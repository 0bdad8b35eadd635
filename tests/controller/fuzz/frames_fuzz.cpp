// Fuzz target: the simulator's frame reader, as the server reads a client's
// stream and the client reads the server's. The first byte sets how the
// stream arrives (pieces of 1 to 256 bytes); the rest is the stream.
// Invariants: a body is never longer than the limit, nothing is read past
// an oversized length, and whatever decodes encodes back to the same body.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/simulator_frames.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

std::vector<std::uint8_t> bodyOf(const std::vector<std::uint8_t>& frame) {
  return {frame.begin() + zor::protocol::frames::kLengthSize, frame.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = std::size_t{data[0]} + 1;
  const std::span<const std::uint8_t> stream(data + 1, size - 1);
  zor::protocol::frames::FrameReader reader;
  std::size_t bodies = 0;
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    reader.Add(stream.subspan(at, std::min(piece, stream.size() - at)));
    while (auto body = reader.Next()) {
      check(!reader.Oversized() && body->size() <= zor::protocol::frames::kMaxBody);
      bodies += zor::protocol::frames::kLengthSize + body->size();
      if (const auto request = zor::protocol::frames::DecodeRequest(*body))
        check(bodyOf(zor::protocol::frames::Encode(*request)) == *body);
      if (const auto reply = zor::protocol::frames::DecodeReply(*body))
        check(bodyOf(zor::protocol::frames::Encode(*reply)) == *body);
    }
  }
  // Every byte is in a body read, in the frame still arriving, or after an oversized length.
  check(reader.Oversized() || bodies + reader.Pending() == stream.size());
  return 0;
}
