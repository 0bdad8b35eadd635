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

void SimulatorClient::disconnect(std::string problem) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  problem_ = std::move(problem);
}

bool SimulatorClient::writeAll(const std::vector<std::uint8_t>& bytes, Deadline deadline) {
  closedUnsent_ = false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!waitFor(fd_, POLLOUT, deadline)) {
        disconnect("no room to send within " + std::to_string(callTimeout_.count()) + " ms");
        return false;
      }
    } else if (n < 0 && errno != EINTR) {
      closedUnsent_ = done == 0 && (errno == EPIPE || errno == ECONNRESET);
      disconnect(files::errnoText("cannot send to the simulator"));
      return false;
    }
  }
  return true;
}

bool SimulatorClient::readExactly(std::uint8_t* into, std::size_t count, Deadline deadline) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::recv(fd_, into + done, count - done, MSG_DONTWAIT);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0) {
      disconnect("the simulator closed the connection");
      return false;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!waitFor(fd_, POLLIN, deadline)) {
        disconnect("no reply within " + std::to_string(callTimeout_.count()) + " ms");
        return false;
      }
    } else if (errno != EINTR) {
      disconnect(files::errnoText("cannot read from the simulator"));
      return false;
    }
  }
  return true;
}

std::optional<protocol::frames::Reply> SimulatorClient::roundTrip(const protocol::frames::Request& request,
                                                                  Deadline deadline) {
  if (!writeAll(protocol::frames::Encode(request), deadline)) return std::nullopt;
  std::uint8_t length[protocol::frames::kLengthSize];
  if (!readExactly(length, sizeof length, deadline)) return std::nullopt;
  std::uint32_t size = 0;
  for (std::size_t i = 0; i < protocol::frames::kLengthSize; ++i) size |= std::uint32_t{length[i]} << (8 * i);
  if (size > protocol::frames::kMaxBody) {
    disconnect("a reply longer than a frame");
    return std::nullopt;
  }
  std::vector<std::uint8_t> body(size);
  if (!readExactly(body.data(), body.size(), deadline)) return std::nullopt;
  std::string why;
  std::optional<protocol::frames::Reply> reply = protocol::frames::DecodeReply(body, &why);
  if (!reply || !protocol::frames::Answers(*reply, request)) {
    disconnect("a malformed reply" + (why.empty() ? std::string(" (not to its request)") : " (" + why + ")"));
    return std::nullopt;
  }
  return reply;
}

bool SimulatorClient::connectAndGreet(Deadline deadline) {
  // A child after fork shares the parent's connection: it gets one of its own.
  if (fd_ >= 0 && connectedPid_ == ::getpid()) return true;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (config_.socketPath.empty()) {
    problem_ = "no socket: neither ZORCOMM_SOCKET nor XDG_RUNTIME_DIR is set";
    return false;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (config_.socketPath.size() >= sizeof address.sun_path) {
    problem_ = "socket path longer than " + std::to_string(sizeof address.sun_path - 1) + " bytes";
    return false;
  }
  std::memcpy(address.sun_path, config_.socketPath.c_str(), config_.socketPath.size() + 1);
  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    problem_ = files::errnoText("cannot make a socket");
    return false;
  }
  connectedPid_ = ::getpid();
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    // A local socket connects at once or not at all (EAGAIN: its queue is full).
    disconnect(files::errnoText("cannot connect to " + config_.socketPath));
    return false;
  }
  if (!servedByOwnUser()) return false;
  protocol::frames::Request hello;
  hello.call = protocol::frames::Call::Hello;
  hello.version = protocol::frames::kVersion;
  hello.program = programName();
  const std::optional<protocol::frames::Reply> reply = roundTrip(hello, deadline);
  if (!reply) return false;
  if (reply->result != 0) {
    disconnect("the simulator refused the hello (" + std::to_string(reply->result) + ")");
    return false;
  }
  firstSystem_ = reply->firstSystem;
  return true;
}

// A socket in a shared folder (/tmp) may be anyone's: the values and the
// password-guarded Sets go only to a server of this user.
bool SimulatorClient::servedByOwnUser() {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
    disconnect(files::errnoText("cannot tell which user serves " + config_.socketPath));
    return false;
  }
  if (peer.uid != ownUser_) {
    disconnect("refused " + config_.socketPath + ": it is served by user " + std::to_string(peer.uid) +
               ", not by this user (" + std::to_string(ownUser_) + ")");
    return false;
  }
  return true;
}

std::optional<protocol::frames::Reply> SimulatorClient::exchange(protocol::frames::Request request, Deadline deadline) {
  // A simulator that restarted closed the connection this process still holds.
  const bool reused = fd_ >= 0 && connectedPid_ == ::getpid();
  std::optional<protocol::frames::Reply> reply;
  for (int attempt = 0; attempt < 2 && !reply; ++attempt) {
    if (!connectAndGreet(deadline)) return std::nullopt;
    // Known once connected: before any discovery, the simulator's first system.
    if (request.call != protocol::frames::Call::Find) request.system = addressed();
    reply = roundTrip(request, deadline);
    if (!reused || !closedUnsent_) break;
  }
  if (reply) warned_ = false;
  return reply;
}

std::int32_t SimulatorClient::noAnswer(std::string& note, bool locked) {
  if (!locked) {
    note = "no answer: another call held the link until this call's deadline (" + std::to_string(callTimeout_.count()) +
           " ms)";
    return protocol::kNoAnswer;
  }
  note = "no answer: " + problem_;
  if (!warned_) {
    warnings_ << "ZorComm: zor-simulator did not answer: " << problem_ << "\n";
    trace_.warning("zor-simulator did not answer: " + problem_);
  }
  warned_ = true;
  return protocol::kNoAnswer;
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
    if (const auto reply = lock ? exchange(request, deadline) : std::nullopt) {
      result = reply->result;
    } else {
      result = noAnswer(note, lock.owns_lock());
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
  std::optional<protocol::frames::Reply> reply;
  if (block && length >= 0) {
    const protocol::frames::Request request{
        .call = protocol::frames::Call::Status, .code = statusCode, .reserved = reserved, .length = length};
    const std::unique_lock lock(mutex_, deadline);
    if (lock && (reply = exchange(request, deadline))) {
      result = reply->result;
      // Answers() held the reply to the block's length.
      std::copy(reply->bytes.begin(), reply->bytes.end(), block);
    } else {
      result = noAnswer(note, lock.owns_lock());
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
  if (const auto reply = lock ? exchange({.call = protocol::frames::Call::Find}, deadline) : std::nullopt) {
    systems = protocol::discovery::Read(reply->bytes.data());
    const char* wanted = config_.environment ? config_.environment(protocol::discovery::kSystemVariable) : nullptr;
    if (const auto at = protocol::discovery::Addressed(systems, wanted); at && reply->result != 0) {
      addressed_ = systems[*at].serial;
      result = 1;
    }
  } else {
    noAnswer(note, lock.owns_lock());
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
    if (const auto reply = lock ? exchange(request, deadline) : std::nullopt) {
      result = reply->result;
    } else {
      result = noAnswer(note, lock.owns_lock());
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
  if (const auto reply = lock ? exchange({.call = protocol::frames::Call::Check}, deadline) : std::nullopt) {
    result = reply->result;
  } else {
    result = noAnswer(note, lock.owns_lock());
  }
  if (trace_.enabled()) trace_.write("ZORSystemCheckStatus", "", result, note);
  return result;
}

}  // namespace zor::comm
