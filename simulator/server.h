#pragma once
// zor-simulator's server: accepts the clients of this user on its socket,
// reads their frames with every size check, and serves the clients in turn,
// one whole call each, writing each reply. Single-threaded, on the Qt event
// loop (QtCore only): between two rounds of calls the loop turns, so that
// every client that sent a call has it served after at most one call of
// each other client. A client that sends a malformed, oversized or
// unfinished frame, sends more than it waits for, vanishes mid-call or does
// not read its replies is dropped with one line on the error stream; the
// others go on.

#include <sys/types.h>

#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "files/unique_fd.h"
#include "protocol/simulator_frames.h"
#include "simulator/core.h"
#include "simulator/listen_socket.h"

namespace zor::simulator {

// Connections served at once; more are turned away.
inline constexpr std::size_t kMaxClients = 256;
// Reply bytes a client may leave unread before it is dropped.
inline constexpr std::size_t kMaxUnsent = 1 << 20;
// Request bytes a client may have waiting to be served before it is dropped
// (a client of the device link makes one call at a time).
inline constexpr std::size_t kMaxWaiting = 1 << 20;
// A frame begun must be whole this long after its first byte, or its client is dropped.
inline constexpr std::chrono::milliseconds kFrameTime{2000};

struct ServerLimits {
  std::size_t clients = kMaxClients;
  std::chrono::milliseconds frameTime = kFrameTime;
};

class Server {
 public:
  // errors: one line per client dropped or refused.
  Server(Core& core, std::ostream& errors, ServerLimits limits = {});
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Serves at place from now on, from the event loop.
  void serve(std::unique_ptr<ListenSocket> place);
  // Drops every client of process pid; false when none is connected.
  bool dropClient(pid_t pid);
  std::size_t clientCount() const { return connections_.size(); }

 private:
  struct Pending {
    protocol::frames::Request request;
    std::int64_t arrived;
    std::size_t bytes;  // of its frame
  };
  struct Connection {
    files::UniqueFd fd;
    pid_t pid = 0;
    std::unique_ptr<QSocketNotifier> readable;
    std::unique_ptr<QSocketNotifier> writable;
    protocol::frames::FrameReader frames;
    std::vector<std::uint8_t> unsent;
    std::deque<Pending> waiting;  // its calls not served yet, in order
    std::size_t waitingBytes = 0;
    QTimer frameTimer;  // runs while a frame is begun and not whole
  };

  void acceptClients();
  // Tells a client turned away why, in the reply to the hello it sends first.
  void refuse(int fd, pid_t pid, const std::string& why);
  void readFrom(int client);
  void flush(int client);
  // Serves the next calls when the loop is back (after the delay fault, when set).
  void scheduleServing();
  // One call of each client whose turn it is; with the delay fault, one call.
  void serveRound();
  void serveNext();
  // Ends a connection; dropped: one line on the error stream, and the core hears it was dropped.
  void end(int client, bool dropped, const std::string& why = {});

  Core& core_;
  std::ostream& errors_;
  ServerLimits limits_;
  std::unique_ptr<ListenSocket> place_;
  std::unique_ptr<QSocketNotifier> acceptor_;
  std::map<int, std::unique_ptr<Connection>> connections_;
  std::vector<std::unique_ptr<Connection>> ended_;  // closed, deleted once the loop is back
  bool giveBack_ = false;                           // one of them held much memory
  std::deque<int> turns_;                           // the clients with a call waiting, in the order of their turn
  std::vector<std::uint8_t> readBuffer_;
  QTimer serveTimer_;  // serves when the loop is back, or when the delay fault has passed
};

}  // namespace zor::simulator
