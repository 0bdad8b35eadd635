#pragma once
// The frames between our device link's simulator backend (ZORCOMM_LINK=
// simulator) and zor-simulator, on a Unix-domain stream socket. Every call
// of an entry point is one request frame and one reply frame.
//
// A frame is a 4-byte length (uint32 LE: the bytes after it, at most 65,532,
// so that no frame is longer than 64 KiB) and a body. All numbers are
// little-endian.
//
// Request body: uint8 call, int32 system (the serial addressed; 0 in hello
// and find), then per call:
//   hello  (0)  uint16 version (1), the program's name (UTF-8, at most 64
//               bytes, the rest of the body); sent once after connecting
//   find   (1)  nothing
//   send   (2)  uint16 length, the packet (at most 64 bytes)
//   status (3)  int32 code, int32 reserved, int32 length (the caller's block)
//   data   (4)  uint32 length, the bytes
//   check  (5)  nothing
// Reply body: uint8 call (the request's), int32 result, then per call:
//   hello  uint32 the simulator's process id, int32 the serial of its first
//          system (what a client addresses before it looks for systems)
//   find   int32 found, the 2,564-byte discovery block
//   status the reply, at most the request's length (none unless result 0)
//   others nothing
// A frame of any other length or call is malformed: the simulator drops a
// client that sends one, and a client takes a malformed reply for none.
// Encoding and decoding are here, used by both sides.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/result.h"
#include "protocol/zor_protocol.h"

namespace zor::protocol::frames {

inline constexpr std::size_t kLengthSize = 4;
inline constexpr std::uint32_t kMaxBody = 65532;
static_assert(kLengthSize + kMaxBody == 64 * 1024);
inline constexpr std::uint16_t kVersion = 1;
inline constexpr std::size_t kMaxProgramName = 64;
inline constexpr std::size_t kMaxPacket = 64;
inline constexpr std::size_t kRequestHeader = 5;  // call, system
inline constexpr std::size_t kReplyHeader = 5;    // call, result
// The most bytes one dwSendData call can carry.
inline constexpr std::size_t kMaxData = kMaxBody - kRequestHeader - 4;

// The environment of a client: the socket, else the default one.
inline constexpr const char* kSocketVariable = "ZORCOMM_SOCKET";

// The socket a simulator serves by default and a client looks for:
// $XDG_RUNTIME_DIR/zor-simulator/socket. Empty without an absolute
// XDG_RUNTIME_DIR (the base directory rules ignore a relative one).
inline std::string DefaultSocketPath(const char* runtimeDir) {
  if (runtimeDir == nullptr || runtimeDir[0] != '/') return {};
  return std::string(runtimeDir) + "/zor-simulator/socket";
}

enum class Call : std::uint8_t { Hello = 0, Find = 1, Send = 2, Status = 3, Data = 4, Check = 5 };
inline constexpr std::uint8_t kLastCall = 5;

// "hello", "find", "send", "status", "data", "check".
constexpr std::string_view CallName(Call call) {
  constexpr std::string_view names[] = {"hello", "find", "send", "status", "data", "check"};
  return static_cast<std::uint8_t>(call) <= kLastCall ? names[static_cast<std::uint8_t>(call)] : "?";
}

struct Request {
  Call call = Call::Check;
  std::int32_t system = 0;
  std::uint16_t version = 0;          // hello
  std::string program{};              // hello
  std::vector<std::uint8_t> bytes{};  // send: the packet; data: the data
  std::int32_t code = 0;              // status
  std::int32_t reserved = 0;          // status
  std::int32_t length = 0;            // status: the caller's block
  bool operator==(const Request&) const = default;
};

struct Reply {
  Call call = Call::Check;
  std::int32_t result = 0;
  std::uint32_t pid = 0;              // hello
  std::int32_t firstSystem = 0;       // hello
  std::int32_t found = 0;             // find
  std::vector<std::uint8_t> bytes{};  // find: the discovery block; status: the reply
  bool operator==(const Reply&) const = default;
};

namespace detail {

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Reads the body from its start to its end, each read checked against what is left.
class Cursor {
 public:
  explicit Cursor(std::span<const std::uint8_t> body) : body_(body) {}
  bool Take(std::uint32_t& value, int size) {
    if (Left() < static_cast<std::size_t>(size)) return false;
    value = 0;
    for (int i = 0; i < size; ++i) value |= std::uint32_t{body_[at_++]} << (8 * i);
    return true;
  }
  bool TakeSigned(std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!Take(raw, 4)) return false;
    value = static_cast<std::int32_t>(raw);
    return true;
  }
  std::span<const std::uint8_t> Rest() {
    const auto rest = body_.subspan(at_);
    at_ = body_.size();
    return rest;
  }
  std::size_t Left() const { return body_.size() - at_; }

 private:
  std::span<const std::uint8_t> body_;
  std::size_t at_ = 0;
};

inline std::vector<std::uint8_t> Framed(std::vector<std::uint8_t> body) {
  std::vector<std::uint8_t> frame;
  frame.reserve(kLengthSize + body.size());
  Put(frame, static_cast<std::uint32_t>(body.size()), kLengthSize);
  frame.insert(frame.end(), body.begin(), body.end());
  return frame;
}

inline files::Failure Malformed(std::string why) { return files::Failure{std::move(why)}; }

}  // namespace detail

// The whole frame of a request. The caller keeps within the limits (a
// program name of at most kMaxProgramName bytes, a packet of at most
// kMaxPacket, data of at most kMaxData).
inline std::vector<std::uint8_t> Encode(const Request& request) {
  using detail::Put;
  std::vector<std::uint8_t> body;
  body.push_back(static_cast<std::uint8_t>(request.call));
  Put(body, static_cast<std::uint32_t>(request.system), 4);
  switch (request.call) {
    case Call::Hello:
      Put(body, request.version, 2);
      body.insert(body.end(), request.program.begin(), request.program.end());
      break;
    case Call::Send:
      Put(body, static_cast<std::uint32_t>(request.bytes.size()), 2);
      body.insert(body.end(), request.bytes.begin(), request.bytes.end());
      break;
    case Call::Status:
      Put(body, static_cast<std::uint32_t>(request.code), 4);
      Put(body, static_cast<std::uint32_t>(request.reserved), 4);
      Put(body, static_cast<std::uint32_t>(request.length), 4);
      break;
    case Call::Data:
      Put(body, static_cast<std::uint32_t>(request.bytes.size()), 4);
      body.insert(body.end(), request.bytes.begin(), request.bytes.end());
      break;
    case Call::Find:
    case Call::Check:
      break;
  }
  return detail::Framed(std::move(body));
}

// The whole frame of a reply. Only find and status carry bytes.
inline std::vector<std::uint8_t> Encode(const Reply& reply) {
  using detail::Put;
  std::vector<std::uint8_t> body;
  body.push_back(static_cast<std::uint8_t>(reply.call));
  Put(body, static_cast<std::uint32_t>(reply.result), 4);
  if (reply.call == Call::Hello) {
    Put(body, reply.pid, 4);
    Put(body, static_cast<std::uint32_t>(reply.firstSystem), 4);
  }
  if (reply.call == Call::Find) Put(body, static_cast<std::uint32_t>(reply.found), 4);
  if (reply.call == Call::Find || reply.call == Call::Status)
    body.insert(body.end(), reply.bytes.begin(), reply.bytes.end());
  return detail::Framed(std::move(body));
}

// The request a body holds; for a malformed one, a failure saying what is
// wrong with it.
inline files::Result<Request> DecodeRequest(std::span<const std::uint8_t> body) {
  using detail::Malformed;
  if (body.size() > kMaxBody) return Malformed("a body longer than " + std::to_string(kMaxBody));
  detail::Cursor in(body);
  std::uint32_t call = 0;
  Request r;
  if (!in.Take(call, 1) || !in.TakeSigned(r.system)) return Malformed("a body shorter than its header");
  if (call > kLastCall) return Malformed("unknown call " + std::to_string(call));
  r.call = static_cast<Call>(call);
  const std::string name(CallName(r.call));
  if ((r.call == Call::Hello || r.call == Call::Find) && r.system != 0) return Malformed(name + " addressing a system");
  std::uint32_t value = 0;
  switch (r.call) {
    case Call::Hello: {
      if (!in.Take(value, 2)) return Malformed("hello without a version");
      if (value != kVersion) return Malformed("hello of version " + std::to_string(value));
      r.version = static_cast<std::uint16_t>(value);
      const auto program = in.Rest();
      if (program.size() > kMaxProgramName) return Malformed("a program name longer than 64 bytes");
      r.program.assign(program.begin(), program.end());
      break;
    }
    case Call::Send:
    case Call::Data: {
      const int size = r.call == Call::Send ? 2 : 4;
      if (!in.Take(value, size)) return Malformed(name + " without its length");
      if (value != in.Left()) return Malformed(name + " whose length is not its body's");
      if (r.call == Call::Send && value > kMaxPacket) return Malformed("a packet longer than 64 bytes");
      const auto bytes = in.Rest();
      r.bytes.assign(bytes.begin(), bytes.end());
      break;
    }
    case Call::Status:
      if (!in.TakeSigned(r.code) || !in.TakeSigned(r.reserved) || !in.TakeSigned(r.length))
        return Malformed("status shorter than its arguments");
      break;
    case Call::Find:
    case Call::Check:
      break;
  }
  if (in.Left() != 0) return Malformed(name + " longer than its arguments");
  return r;
}

// The reply a body holds; for a malformed one, a failure saying what is
// wrong with it.
inline files::Result<Reply> DecodeReply(std::span<const std::uint8_t> body) {
  using detail::Malformed;
  if (body.size() > kMaxBody) return Malformed("a body longer than " + std::to_string(kMaxBody));
  detail::Cursor in(body);
  std::uint32_t call = 0;
  Reply r;
  if (!in.Take(call, 1) || !in.TakeSigned(r.result)) return Malformed("a body shorter than its header");
  if (call > kLastCall) return Malformed("unknown call " + std::to_string(call));
  r.call = static_cast<Call>(call);
  switch (r.call) {
    case Call::Hello:
      if (!in.Take(r.pid, 4) || !in.TakeSigned(r.firstSystem))
        return Malformed("hello without a process id and a system");
      break;
    case Call::Find:
      if (!in.TakeSigned(r.found) || in.Left() != static_cast<std::size_t>(kDiscoveryScratchSize))
        return Malformed("find without its count and block");
      break;
    default:
      break;
  }
  if (r.call == Call::Find || r.call == Call::Status) {
    const auto bytes = in.Rest();
    r.bytes.assign(bytes.begin(), bytes.end());
  }
  if (in.Left() != 0) return Malformed(std::string(CallName(r.call)) + " longer than its result");
  return r;
}

// Whether reply answers request: the same call, and for a status query no
// more bytes than the caller's block holds (and none unless the result is 0).
inline bool Answers(const Reply& reply, const Request& request) {
  if (reply.call != request.call) return false;
  if (reply.call != Call::Status) return true;
  return reply.bytes.size() <= static_cast<std::size_t>(std::max(request.length, 0)) &&
         (reply.result == 0 || reply.bytes.empty());
}

// Cuts a stream of bytes into frame bodies, checking each length before its
// body arrives.
class FrameReader {
 public:
  void Add(std::span<const std::uint8_t> bytes) {
    if (!oversized_) buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  }

  // The next whole body, or nothing while it has not all arrived or once the
  // stream announced a body over the limit (Oversized()).
  std::optional<std::vector<std::uint8_t>> Next() {
    if (oversized_ || buffer_.size() - at_ < kLengthSize) return std::nullopt;
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kLengthSize; ++i) length |= std::uint32_t{buffer_[at_ + i]} << (8 * i);
    if (length > kMaxBody) {
      oversized_ = true;
      return std::nullopt;
    }
    if (buffer_.size() - at_ - kLengthSize < length) return std::nullopt;
    const auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(at_ + kLengthSize);
    std::vector<std::uint8_t> body(begin, begin + length);
    at_ += kLengthSize + length;
    // What was read goes once it outweighs what is left, so the buffer stays
    // about one frame long however long the stream.
    if (at_ >= buffer_.size() - at_) {
      buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at_));
      at_ = 0;
    }
    return body;
  }
  // The stream announced a body longer than kMaxBody: nothing after it can be read.
  bool Oversized() const { return oversized_; }
  // Bytes of a frame not whole yet; none means the stream is between frames.
  std::size_t Pending() const { return buffer_.size() - at_; }

 private:
  std::vector<std::uint8_t> buffer_;
  std::size_t at_ = 0;  // where the next frame begins
  bool oversized_ = false;
};

}  // namespace zor::protocol::frames
