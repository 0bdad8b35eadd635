#include "comm/simulator_client.h"

#include <errno.h>  // program_invocation_short_name
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <span>

#include "files/errno_text.h"
#include "protocol/discovery.h"

namespace zor::comm {
namespace {

using Clock = std::chrono::steady_clock;

// This program's name for the simulator's monitor: at most kMaxProgramName
// bytes, never cut inside a UTF-8 character.
std::string programName() {
  std::string name = program_invocation_short_name ? program_invocation_short_name : "";
  if (name.size() > protocol::frames::kMaxProgramName) {
    std::size_t end = protocol::frames::kMaxProgramName;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
  }
  return name;
}

// Waits until fd is ready for events or the deadline has passed; false then.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd watched{fd, events, 0};
    const int n = ::poll(&watched, 1, static_cast<int>(std::min<long long>(left, 60'000)));
    if (n > 0) return true;  // ready, or hung up: the next read or write says which
    if (n < 0 && errno != EINTR) return false;
  }
}

}  // namespace

SimulatorClient::SimulatorClient(LinkConfig config, std::ostream& warnings, std::chrono::milliseconds callTimeout,
                                 uid_t ownUser)
    : config_(std::move(config)), warnings_(warnings), callTimeout_(callTimeout), ownUser_(ownUser) {
  if (!config_.tracePath.empty()) {
    if (files::Result<> opened = trace_.open(config_.tracePath); !opened) {
      warnings_ << "ZorComm: no trace: " << opened.why() << "\n";
    }
  }
}

SimulatorClient::~SimulatorClient() {
  if (fd_ >= 0) ::close(fd_);
}

files::Failure SimulatorClient::disconnect(files::Failure problem) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  return problem;
}

files::Result<> SimulatorClient::writeAll(const std::vector<std::uint8_t>& bytes, Deadline deadline) {
  closedUnsent_ = false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!waitFor(fd_, POLLOUT, deadline))
        return disconnect({"no room to send within " + std::to_string(callTimeout_.count()) + " ms"});
    } else if (n < 0 && errno != EINTR) {
      closedUnsent_ = done == 0 && (errno == EPIPE || errno == ECONNRESET);
      return disconnect(files::errnoFailure("cannot send to the simulator"));
    }
  }
  return {};
}

files::Result<> SimulatorClient::readExactly(std::uint8_t* into, std::size_t count, Deadline deadline) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::recv(fd_, into + done, count - done, MSG_DONTWAIT);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0) {
      return disconnect({"the simulator closed the connection"});
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!waitFor(fd_, POLLIN, deadline))
        return disconnect({"no reply within " + std::to_string(callTimeout_.count()) + " ms"});
    } else if (errno != EINTR) {
      return disconnect(files::errnoFailure("cannot read from the simulator"));
    }
  }
  return {};
}

files::Result<protocol::frames::Reply> SimulatorClient::roundTrip(const protocol::frames::Request& request,
                                                                  Deadline deadline) {
  if (files::Result<> sent = writeAll(protocol::frames::Encode(request), deadline); !sent) return sent.failure();
  std::uint8_t length[protocol::frames::kLengthSize];
  if (files::Result<> read = readExactly(length, sizeof length, deadline); !read) return read.failure();
  std::uint32_t size = 0;
  for (std::size_t i = 0; i < protocol::frames::kLengthSize; ++i) size |= std::uint32_t{length[i]} << (8 * i);
  if (size > protocol::frames::kMaxBody) return disconnect({"a reply longer than a frame"});
  std::vector<std::uint8_t> body(size);
  if (files::Result<> read = readExactly(body.data(), body.size(), deadline); !read) return read.failure();
  files::Result<protocol::frames::Reply> reply = protocol::frames::DecodeReply(body);
  if (!reply) return disconnect({"a malformed reply (" + reply.why() + ")"});
  if (!protocol::frames::Answers(*reply, request)) return disconnect({"a malformed reply (not to its request)"});
  return reply;
}

files::Result<> SimulatorClient::connectAndGreet(Deadline deadline) {
  // A child after fork shares the parent's connection: it gets one of its own.
  if (fd_ >= 0 && connectedPid_ == ::getpid()) return {};
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (config_.socketPath.empty()) return files::Failure{"no socket: neither ZORCOMM_SOCKET nor XDG_RUNTIME_DIR is set"};
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (config_.socketPath.size() >= sizeof address.sun_path)
    return files::Failure{"socket path longer than " + std::to_string(sizeof address.sun_path - 1) + " bytes"};
  std::memcpy(address.sun_path, config_.socketPath.c_str(), config_.socketPath.size() + 1);
  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return files::errnoFailure("cannot make a socket");
  connectedPid_ = ::getpid();
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    // A local socket connects at once or not at all (EAGAIN: its queue is full).
    return disconnect(files::errnoFailure("cannot connect to " + config_.socketPath));
  }
  if (files::Result<> own = servedByOwnUser(); !own) return own;
  protocol::frames::Request hello;
  hello.call = protocol::frames::Call::Hello;
  hello.version = protocol::frames::kVersion;
  hello.program = programName();
  const files::Result<protocol::frames::Reply> reply = roundTrip(hello, deadline);
  if (!reply) return reply.failure();
  if (reply->result != 0)
    return disconnect({"the simulator refused the hello (" + std::to_string(reply->result) + ")"});
  firstSystem_ = reply->firstSystem;
  return {};
}

// A socket in a shared folder (/tmp) may be anyone's: the values and the
// password-guarded Sets go only to a server of this user.
files::Result<> SimulatorClient::servedByOwnUser() {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
    return disconnect(files::errnoFailure("cannot tell which user serves " + config_.socketPath));
  if (peer.uid != ownUser_)
    return disconnect({"refused " + config_.socketPath + ": it is served by user " + std::to_string(peer.uid) +
                       ", not by this user (" + std::to_string(ownUser_) + ")"});
  return {};
}

files::Result<protocol::frames::Reply> SimulatorClient::exchange(protocol::frames::Request request, Deadline deadline) {
  // A simulator that restarted closed the connection this process still holds.
  const bool reused = fd_ >= 0 && connectedPid_ == ::getpid();
  files::Result<protocol::frames::Reply> reply = files::Failure{};
  for (int attempt = 0; attempt < 2 && !reply; ++attempt) {
    if (files::Result<> connected = connectAndGreet(deadline); !connected) return connected.failure();
    // Known once connected: before any discovery, the simulator's first system.
    if (request.call != protocol::frames::Call::Find) request.system = addressed();
    reply = roundTrip(request, deadline);
    if (!reused || !closedUnsent_) break;
  }
  if (reply) warned_ = false;
  return reply;
}

files::Failure SimulatorClient::heldTooLong() const {
  return {"another call held the link until this call's deadline (" + std::to_string(callTimeout_.count()) + " ms)"};
}

std::string SimulatorClient::noAnswer(const files::Failure& problem, bool locked) {
  if (locked && !warned_) {
    warnings_ << "ZorComm: zor-simulator did not answer: " << problem.why << "\n";
    trace_.warning("zor-simulator did not answer: " + problem.why);
  }
  if (locked) warned_ = true;
  return "no answer: " + problem.why;
}

std::int32_t SimulatorClient::addressed() const {
  if (addressed_) return *addressed_;
  const char* wanted = config_.environment ? config_.environment(protocol::discovery::kSystemVariable) : nullptr;
  if (wanted && *wanted)
    if (const auto serial = protocol::discovery::ParseSerial(wanted)) return *serial;
  return firstSystem_;
}

std::int32_t SimulatorClient::sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t*) {
  const Deadline deadline = Clock::now() + callTimeout_;
  std::int32_t result = protocol::kBadArgument;
  std::string note;
  if (packet && length >= 0 && static_cast<std::size_t>(length) <= protocol::frames::kMaxPacket) {
    protocol::frames::Request request{.call = protocol::frames::Call::Send};
    request.bytes.assign(packet, packet + length);
    const std::unique_lock lock(mutex_, deadline);
    if (const auto reply = lock ? exchange(request, deadline) : heldTooLong()) {
      result = reply->result;
    } else {
      result = protocol::kNoAnswer;
      note = noAnswer(reply.failure(), lock.owns_lock());
    }
  }
  if (trace_.enabled()) trace_.write("dwSendCommand", commandArguments(packet, length), result, note);
  return result;
}

std::int32_t SimulatorClient::getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                        std::int32_t length, const char16_t*) {
  const Deadline deadline = Clock::now() + callTimeout_;
  std::int32_t result = protocol::kBadArgument;
  std::string note;
  files::Result<protocol::frames::Reply> reply = files::Failure{};
  if (block && length >= 0) {
    const protocol::frames::Request request{
        .call = protocol::frames::Call::Status, .code = statusCode, .reserved = reserved, .length = length};
    const std::unique_lock lock(mutex_, deadline);
    if ((reply = lock ? exchange(request, deadline) : heldTooLong())) {
      result = reply->result;
      // Answers() held the reply to the block's length.
      std::copy(reply->bytes.begin(), reply->bytes.end(), block);
    } else {
      result = protocol::kNoAnswer;
      note = noAnswer(reply.failure(), lock.owns_lock());
    }
  }
  if (trace_.enabled())
    trace_.write("dwGetStatus",
                 statusArguments(statusCode, reserved, length, result == 0 ? reply->bytes.data() : nullptr,
                                 result == 0 ? reply->bytes.size() : 0),
                 result, note);
  return result;
}

std::int32_t SimulatorClient::findSystems(std::uint8_t* discovery, std::int32_t* found) {
  const Deadline deadline = Clock::now() + callTimeout_;
  const std::unique_lock lock(mutex_, deadline);
  std::vector<protocol::discovery::Entry> systems;
  std::int32_t result = 0;
  std::string note;
  if (const auto reply = lock ? exchange({.call = protocol::frames::Call::Find}, deadline) : heldTooLong()) {
    systems = protocol::discovery::Read(reply->bytes.data());
    const char* wanted = config_.environment ? config_.environment(protocol::discovery::kSystemVariable) : nullptr;
    if (const auto at = protocol::discovery::Addressed(systems, wanted); at && reply->result != 0) {
      addressed_ = systems[*at].serial;
      result = 1;
    }
  } else {
    note = noAnswer(reply.failure(), lock.owns_lock());
  }
  // Null outputs are not written; what did not answer lists nothing.
  if (discovery) protocol::discovery::Write(discovery, systems);
  if (found) *found = static_cast<std::int32_t>(systems.size());
  if (trace_.enabled()) trace_.write("ZORFindSystems", findArguments(discovery, found), result, note);
  return result;
}

std::int32_t SimulatorClient::sendData(const std::uint8_t* data, std::int32_t length, const char16_t*) {
  const Deadline deadline = Clock::now() + callTimeout_;
  std::int32_t result = protocol::kBadArgument;
  std::string note;
  if (length >= 0 && (data || length == 0) && static_cast<std::size_t>(length) <= protocol::frames::kMaxData) {
    protocol::frames::Request request{.call = protocol::frames::Call::Data};
    if (length > 0) request.bytes.assign(data, data + length);
    const std::unique_lock lock(mutex_, deadline);
    if (const auto reply = lock ? exchange(request, deadline) : heldTooLong()) {
      result = reply->result;
    } else {
      result = protocol::kNoAnswer;
      note = noAnswer(reply.failure(), lock.owns_lock());
    }
  }
  if (trace_.enabled()) trace_.write("dwSendData", dataArguments(data, length), result, note);
  return result;
}

std::int32_t SimulatorClient::checkStatus(const char16_t*) {
  const Deadline deadline = Clock::now() + callTimeout_;
  const std::unique_lock lock(mutex_, deadline);
  std::string note;
  std::int32_t result = 0;
  if (const auto reply = lock ? exchange({.call = protocol::frames::Call::Check}, deadline) : heldTooLong()) {
    result = reply->result;
  } else {
    result = protocol::kNoAnswer;
    note = noAnswer(reply.failure(), lock.owns_lock());
  }
  if (trace_.enabled()) trace_.write("ZORSystemCheckStatus", "", result, note);
  return result;
}

}  // namespace zor::comm
