#include "simulator/server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/one_line.h"

namespace zor::simulator {
namespace {

// How much one readiness of a client may read before the others get a turn.
constexpr std::size_t kReadChunk = 64 * 1024;
constexpr int kReadsPerTurn = 16;
// Out of descriptors: accepting waits this long rather than spin.
constexpr int kAcceptPauseMs = 100;

}  // namespace

Server::Server(Core& core, std::ostream& errors) : core_(core), errors_(errors) {
  delay_.setSingleShot(true);
  QObject::connect(&delay_, &QTimer::timeout, [this] {
    delayed_ = true;
    serveQueue();
  });
}

Server::~Server() = default;

void Server::serve(std::unique_ptr<ListenSocket> place) {
  place_ = std::move(place);
  acceptor_ = std::make_unique<QSocketNotifier>(place_->fd(), QSocketNotifier::Read);
  QObject::connect(acceptor_.get(), &QSocketNotifier::activated, [this] { acceptClients(); });
}

void Server::acceptClients() {
  for (;;) {
    sim::UniqueFd fd(::accept4(place_->fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!fd) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
        // The client waits in the queue; ask again later rather than spin.
        acceptor_->setEnabled(false);
        QTimer::singleShot(kAcceptPauseMs, &delay_, [this] {
          if (acceptor_) acceptor_->setEnabled(true);
        });
      }
      return;
    }
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
      errors_ << "zor-simulator: refused a client whose credentials cannot be read: " << std::strerror(errno)
              << std::endl;
      continue;
    }
    if (peer.uid != ::geteuid()) {
      const std::string why = "a process of another user (uid " + std::to_string(peer.uid) + ")";
      errors_ << "zor-simulator: refused pid " << peer.pid << ": " << why << std::endl;
      core_.refused(peer.pid, peer.uid, why);
      continue;
    }
    if (connections_.size() >= kMaxClients) {
      errors_ << "zor-simulator: refused pid " << peer.pid << ": already " << kMaxClients << " clients" << std::endl;
      continue;
    }
    const int client = core_.connect(peer.pid, peer.uid);
    auto connection = std::make_unique<Connection>();
    connection->pid = peer.pid;
    connection->readable = std::make_unique<QSocketNotifier>(fd.get(), QSocketNotifier::Read);
    connection->writable = std::make_unique<QSocketNotifier>(fd.get(), QSocketNotifier::Write);
    connection->writable->setEnabled(false);
    connection->fd = std::move(fd);
    QObject::connect(connection->readable.get(), &QSocketNotifier::activated, [this, client] { readFrom(client); });
    QObject::connect(connection->writable.get(), &QSocketNotifier::activated, [this, client] { flush(client); });
    connections_[client] = std::move(connection);
  }
}

bool Server::hasQueued(int client) const {
  return std::any_of(queue_.begin(), queue_.end(), [client](const Pending& p) { return p.client == client; });
}

void Server::readFrom(int client) {
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  Connection& c = *it->second;
  bool ended = false;
  readBuffer_.resize(kReadChunk);
  for (int turn = 0; turn < kReadsPerTurn && !ended; ++turn) {
    const ssize_t n = ::recv(c.fd.get(), readBuffer_.data(), readBuffer_.size(), MSG_DONTWAIT);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    if (n < 0) return end(client, true, std::string("cannot read from it: ") + std::strerror(errno));
    ended = n == 0;
    c.frames.Add(std::span(readBuffer_.data(), static_cast<std::size_t>(n)));
    const std::int64_t arrived = core_.now();
    while (auto body = c.frames.Next()) {
      std::string why;
      auto request = frames::DecodeRequest(*body, &why);
      if (!request) return end(client, true, "a malformed frame: " + why);
      queue_.push_back({client, std::move(*request), arrived});
    }
    if (c.frames.Oversized()) return end(client, true, "a frame longer than 64 KiB");
  }
  if (ended) {
    // Between calls a client may go; in the middle of one it vanished.
    if (c.frames.Pending() > 0 || hasQueued(client)) return end(client, true, "it went away in the middle of a call");
    return end(client, false);
  }
  serveQueue();
}

void Server::serveQueue() {
  // Serving writes replies, and a write can end a connection: never twice at once.
  if (serving_) return;
  serving_ = true;
  while (!queue_.empty()) {
    if (!connections_.count(queue_.front().client)) {
      queue_.pop_front();  // its client is gone: nobody to answer
      continue;
    }
    if (core_.faults().delay.count() > 0 && !delayed_) {
      if (!delay_.isActive()) delay_.start(core_.faults().delay);
      break;
    }
    delayed_ = false;
    const Pending next = std::move(queue_.front());
    queue_.pop_front();
    std::string why;
    const auto reply = core_.serve(next.client, next.request, next.arrived, why);
    if (!reply) {
      end(next.client, true, why);
      continue;
    }
    const std::vector<std::uint8_t> frame = frames::Encode(*reply);
    Connection& c = *connections_.at(next.client);
    c.unsent.insert(c.unsent.end(), frame.begin(), frame.end());
    flush(next.client);
  }
  serving_ = false;
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
      return end(client, true, std::string("it went away before its reply: ") + std::strerror(errno));
    }
  }
  c.writable->setEnabled(false);
}

void Server::end(int client, bool dropped, const std::string& why) {
  const auto it = connections_.find(client);
  if (it == connections_.end()) return;
  if (dropped) {
    const auto known = core_.clients();
    const auto named = known.find(client);
    errors_ << "zor-simulator: dropped client " << client << " (pid " << it->second->pid
            << (named != known.end() && !named->second.second.empty() ? ", " + text::OneLine(named->second.second)
                                                                      : std::string())
            << "): " << why << std::endl;
  }
  // Its notifiers may be the ones whose signal runs now: they go once the loop is back.
  it->second->readable->setEnabled(false);
  it->second->writable->setEnabled(false);
  ended_.push_back(std::move(it->second));
  if (ended_.size() == 1) QTimer::singleShot(0, &delay_, [this] { ended_.clear(); });
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
