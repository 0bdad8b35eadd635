#pragma once
// zor-simulator's server: accepts the clients of this user on its socket,
// reads their frames with every size check, hands each whole request to the
// core in the order received and writes the reply. Single-threaded, on the
// Qt event loop (QtCore only). A client that sends a malformed or oversized
// frame, vanishes mid-call or does not read its replies is dropped with one
// line on the error stream; the others go on.

#include <sys/types.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "controller/careful_file.h"
#include "protocol/simulator_frames.h"
#include "simulator/core.h"
#include "simulator/listen_socket.h"

namespace zor::simulator {

// Connections served at once; more are turned away.
inline constexpr std::size_t kMaxClients = 256;
// Reply bytes a client may leave unread before it is dropped.
inline constexpr std::size_t kMaxUnsent = 1 << 20;

class Server {
 public:
  // errors: one line per client dropped or refused.
  Server(Core& core, std::ostream& errors);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Serves at place from now on, from the event loop.
  void serve(std::unique_ptr<ListenSocket> place);
  // Drops every client of process pid; false when none is connected.
  bool dropClient(pid_t pid);
  std::size_t clientCount() const { return connections_.size(); }

 private:
  struct Connection {
    sim::UniqueFd fd;
    pid_t pid = 0;
    std::unique_ptr<QSocketNotifier> readable;
    std::unique_ptr<QSocketNotifier> writable;
    frames::FrameReader frames;
    std::vector<std::uint8_t> unsent;
  };
  struct Pending {
    int client;
    frames::Request request;
    std::int64_t arrived;
  };

  void acceptClients();
  void readFrom(int client);
  void flush(int client);
  void serveQueue();
  // Ends a connection; say: one line on the error stream, and the core hears it was dropped.
  void end(int client, bool dropped, const std::string& why = {});
  bool hasQueued(int client) const;

  Core& core_;
  std::ostream& errors_;
  std::unique_ptr<ListenSocket> place_;
  std::unique_ptr<QSocketNotifier> acceptor_;
  std::map<int, std::unique_ptr<Connection>> connections_;
  std::vector<std::unique_ptr<Connection>> ended_;  // closed, deleted once the loop is back
  std::deque<Pending> queue_;
  std::vector<std::uint8_t> readBuffer_;
  // The delay fault: the front of the queue is served when it fires.
  QTimer delay_;
  bool delayed_ = false;
  bool serving_ = false;
};

}  // namespace zor::simulator
