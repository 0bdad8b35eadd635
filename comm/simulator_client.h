#pragma once
// The device link as a client of zor-simulator (ZORCOMM_LINK=simulator):
// every entry point is one request frame and one reply frame over the
// simulator's Unix-domain socket. Every call has one deadline, counted from
// its entry, its wait for another thread's call included: a simulator that is
// not there, goes away or does not answer in time makes that call return
// kNoAnswer (a discovery finds nothing), never hang; the next call connects
// afresh. Only a server that runs as this process's own user is talked to:
// another user's socket at the path would otherwise get every value sent.

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "comm/backend.h"
#include "comm/sim_link.h"
#include "comm/trace.h"
#include "files/result.h"
#include "protocol/simulator_frames.h"

namespace zor::comm {

// How long one call may take, from its entry to its reply.
constexpr std::chrono::milliseconds kSimulatorCallTimeout{2000};

class SimulatorClient : public Backend {
 public:
  // config: the socket, the trace and the environment (ZORCOMM_SYSTEM).
  // ownUser: the user a server must run as, this process's own.
  SimulatorClient(LinkConfig config, std::ostream& warnings,
                  std::chrono::milliseconds callTimeout = kSimulatorCallTimeout, uid_t ownUser = ::geteuid());
  ~SimulatorClient() override;
  SimulatorClient(const SimulatorClient&) = delete;
  SimulatorClient& operator=(const SimulatorClient&) = delete;

  std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName) override;
  std::int32_t getStatus(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                         const char16_t* systemName) override;
  // Lists the systems the simulator serves; found when the one this process
  // addresses (ZORCOMM_SYSTEM, else the first) is among them. Later calls go
  // to it.
  std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found) override;
  std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* systemName) override;
  std::int32_t checkStatus(const char16_t* systemName) override;

 private:
  using Deadline = std::chrono::steady_clock::time_point;
  // The reply to request (to the system addressed, but for a discovery), or
  // a failure saying why the simulator did not give one by the call's
  // deadline (the connection is closed then). A connection found closed
  // before the request went out is made again, once.
  files::Result<protocol::frames::Reply> exchange(protocol::frames::Request request, Deadline deadline);
  files::Result<> connectAndGreet(Deadline deadline);
  files::Result<> servedByOwnUser();
  files::Result<protocol::frames::Reply> roundTrip(const protocol::frames::Request& request, Deadline deadline);
  files::Result<> writeAll(const std::vector<std::uint8_t>& bytes, Deadline deadline);
  files::Result<> readExactly(std::uint8_t* into, std::size_t count, Deadline deadline);
  // Closes the connection; the problem, to return.
  files::Failure disconnect(files::Failure problem);
  // The serial a call addresses: the one of the last successful discovery,
  // else ZORCOMM_SYSTEM's, else the simulator's first system.
  std::int32_t addressed() const;
  // Why a call that did not get the lock by its deadline has no answer.
  files::Failure heldTooLong() const;
  // A call that got no answer, for the reason problem: its trace note and,
  // once until the simulator answers again, a warning. locked: whether the
  // call had the lock; one that did not touches nothing shared.
  std::string noAnswer(const files::Failure& problem, bool locked);

  // Held for a call's exchange; a call waits for it until its own deadline.
  std::timed_mutex mutex_;
  LinkConfig config_;
  std::ostream& warnings_;
  std::chrono::milliseconds callTimeout_;
  uid_t ownUser_;
  Trace trace_;
  int fd_ = -1;
  int connectedPid_ = 0;  // the process that connected: a child after fork connects again
  std::int32_t firstSystem_ = 0;
  std::optional<std::int32_t> addressed_;
  bool closedUnsent_ = false;  // the last send found the connection closed, nothing of the request sent
  bool warned_ = false;
};

}  // namespace zor::comm
