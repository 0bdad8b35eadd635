#include "simulator/server.h"

#include <malloc.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "files/errno_text.h"
#include "protocol/link_results.h"
#include "text/one_line.h"

namespace zor::simulator {
namespace {

// How much one readiness of a client may read before the others get a turn.
constexpr std::size_t kReadChunk = 64 * 1024;
// Out of descriptors: accepting waits this long rather than spin.
constexpr int kAcceptPauseMs = 100;
// A connection that ends holding this much gives the memory back at once.
constexpr std::size_t kGiveBackBytes = 256 * 1024;

std::string duration(std::chrono::milliseconds bound) {
  const auto ms = bound.count();
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

}  // namespace

Server::Server(Core& core, std::ostream& errors, ServerLimits limits) : core_(core), errors_(errors), limits_(limits) {
  serveTimer_.setSingleShot(true);
  QObject::connect(&serveTimer_, &QTimer::timeout, [this] { serveRound(); });
}

Server::~Server() = default;

void Server::serve(std::unique_ptr<ListenSocket> place) {
  place_ = std::move(place);
  acceptor_ = std::make_unique<QSocketNotifier>(place_->fd(), QSocketNotifier::Read);
  QObject::connect(acceptor_.get(), &QSocketNotifier::activated, [this] { acceptClients(); });
}

void Server::acceptClients() {
  for (;;) {
    files::UniqueFd fd(::accept4(place_->fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!fd) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
        // The client waits in the queue; ask again later rather than spin.
        acceptor_->setEnabled(false);
        QTimer::singleShot(kAcceptPauseMs, &serveTimer_, [this] {
          if (acceptor_) acceptor_->setEnabled(true);
        });
      }
      return;
    }
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
      errors_ << files::errnoText("zor-simulator: refused a client whose credentials cannot be read") << std::endl;
      continue;
    }
    if (peer.uid != ::geteuid()) {
      const std::string why = "a process of another user (uid " + std::to_string(peer.uid) + ")";
      errors_ << "zor-simulator: refused pid " << peer.pid << ": " << why << std::endl;
      core_.refused(peer.pid, peer.uid, why);
      continue;
    }
    if (connections_.size() >= limits_.clients) {
      const std::string why = "already " + std::to_string(limits_.clients) + " clients";
      refuse(fd.get(), peer.pid, why);
      core_.refused(peer.pid, peer.uid, why);
      continue;
    }
    const int client = core_.connect(peer.pid, peer.uid);
    auto connection = std::make_unique<Connection>();
    connection->pid = peer.pid;
    connection->readable = std::make_unique<QSocketNotifier>(fd.get(), QSocketNotifier::Read);
    connection->writable = std::make_unique<QSocketNotifier>(fd.get(), QSocketNotifier::Write);
    connection->writable->setEnabled(false);
    connection->fd = std::move(fd);
    connection->frameTimer.setSingleShot(true);
    QObject::connect(connection->readable.get(), &QSocketNotifier::activated, [this, client] { readFrom(client); });
    QObject::connect(connection->writable.get(), &QSocketNotifier::activated, [this, client] { flush(client); });
    QObject::connect(&connection->frameTimer, &QTimer::timeout, [this, client] {
      end(client, true, "a frame not whole within " + duration(limits_.frameTime) + " of its first byte");
    });
    connections_[client] = std::move(connection);
  }
}

void Server::refuse(int fd, pid_t pid, const std::string& why) {
  errors_ << "zor-simulator: refused pid " << pid << ": " << why << std::endl;
  // A new socket's buffer takes this small frame at once; the client reads it
  // as the answer to its hello. Nothing more is read or waited for.
  const std::vector<std::uint8_t> frame = protocol::frames::Encode(
      protocol::frames::Reply{.call = protocol::frames::Call::Hello, .result = protocol::kNoAnswer});
  [[maybe_unused]] const ssize_t n = ::send(fd, frame.data(), frame.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void Server::readFrom(int client) {
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  Connection& c = *it->second;
  readBuffer_.resize(kReadChunk);
  ssize_t n;
  do {
    n = ::recv(c.fd.get(), readBuffer_.data(), readBuffer_.size(), MSG_DONTWAIT);
  } while (n < 0 && errno == EINTR);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
  if (n < 0) return end(client, true, files::errnoText("cannot read from it"));
  if (n == 0) {
    // Between calls a client may go; in the middle of one it vanished.
    if (c.frames.Pending() > 0 || !c.waiting.empty()) return end(client, true, "it went away in the middle of a call");
    return end(client, false);
  }
  c.frames.Add(std::span(readBuffer_.data(), static_cast<std::size_t>(n)));
  const std::int64_t arrived = core_.now();
  bool whole = false;
  while (auto body = c.frames.Next()) {
    auto request = protocol::frames::DecodeRequest(*body);
    if (!request) return end(client, true, "a malformed frame: " + request.why());
    if (c.waiting.empty()) turns_.push_back(client);
    const std::size_t bytes = protocol::frames::kLengthSize + body->size();
    c.waiting.push_back({std::move(*request), arrived, bytes});
    c.waitingBytes += bytes;
    whole = true;
  }
  if (c.frames.Oversized()) return end(client, true, "a frame longer than 64 KiB");
  if (c.waitingBytes > kMaxWaiting)
    return end(client, true, "more than 1 MiB of calls waiting, sent before the replies to the earlier ones");
  // The bound runs from the first byte of the frame begun last.
  if (c.frames.Pending() == 0)
    c.frameTimer.stop();
  else if (whole || !c.frameTimer.isActive())
    c.frameTimer.start(limits_.frameTime);
  scheduleServing();
}

void Server::scheduleServing() {
  if (turns_.empty() || serveTimer_.isActive()) return;
  serveTimer_.start(core_.faults().delay);
}

void Server::serveRound() {
  if (core_.faults().delay.count() > 0) {
    if (!turns_.empty()) serveNext();  // each call waits the delay
  } else {
    // The clients that came in meanwhile take their turn after this round.
    for (std::size_t n = turns_.size(); n > 0 && !turns_.empty(); --n) serveNext();
  }
  scheduleServing();
}

void Server::serveNext() {
  const int client = turns_.front();
  turns_.pop_front();
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  Connection& c = *it->second;
  const Pending next = std::move(c.waiting.front());
  c.waiting.pop_front();
  c.waitingBytes -= next.bytes;
  if (!c.waiting.empty()) turns_.push_back(client);
  const auto reply = core_.serve(client, next.request, next.arrived);
  if (!reply) return end(client, true, reply.why());
  const std::vector<std::uint8_t> frame = protocol::frames::Encode(*reply);
  c.unsent.insert(c.unsent.end(), frame.begin(), frame.end());
  flush(client);
}

void Server::flush(int client) {
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  Connection& c = *it->second;
  while (!c.unsent.empty()) {
    const ssize_t n = ::send(c.fd.get(), c.unsent.data(), c.unsent.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      c.unsent.erase(c.unsent.begin(), c.unsent.begin() + n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (c.unsent.size() > kMaxUnsent) return end(client, true, "it does not read its replies");
      c.writable->setEnabled(true);
      return;
    } else {
      return end(client, true, files::errnoText("it went away before its reply"));
    }
  }
  c.writable->setEnabled(false);
}

void Server::end(int client, bool dropped, const std::string& why) {
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  Connection& c = *it->second;
  if (dropped) {
    const auto known = core_.clients();
    const auto named = known.find(client);
    errors_ << "zor-simulator: dropped client " << client << " (pid " << c.pid
            << (named != known.end() && !named->second.second.empty() ? ", " + text::OneLine(named->second.second)
                                                                      : std::string())
            << "): " << why << std::endl;
  }
  // Its notifiers may be the ones whose signal runs now: they go once the loop is back.
  c.readable->setEnabled(false);
  c.writable->setEnabled(false);
  c.frameTimer.stop();
  giveBack_ = giveBack_ || c.waitingBytes + c.unsent.capacity() + c.frames.Pending() >= kGiveBackBytes;
  std::erase(turns_, client);
  ended_.push_back(std::move(it->second));
  if (ended_.size() == 1)
    QTimer::singleShot(0, &serveTimer_, [this] {
      ended_.clear();
      // What a flooding client held goes back to the system, not only to the heap.
      if (std::exchange(giveBack_, false)) ::malloc_trim(0);
    });
  connections_.erase(it);
  core_.disconnect(client, dropped ? ClientEvent::Kind::Dropped : ClientEvent::Kind::Disconnected, why);
}

bool Server::dropClient(pid_t pid) {
  std::vector<int> clients;
  for (const auto& [client, connection] : connections_)
    if (connection->pid == pid) clients.push_back(client);
  for (int client : clients) end(client, true, "dropped on request");
  return !clients.empty();
}

}  // namespace zor::simulator
