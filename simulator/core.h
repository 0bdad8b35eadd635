#pragma once
// The core of zor-simulator, window-free: its systems, the clients it
// serves, the faults it was asked to inject, and what it tells its
// observers. The server hands it each request in the order received and
// writes the reply it gets back; one whole call at a time.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/result.h"
#include "protocol/simulator_frames.h"
#include "simulator/observer.h"
#include "simulator/simulated_system.h"

namespace zor::simulator {

// Faults on demand, for training and for testing the tool's handling.
struct Faults {
  int refuseSends = 0;                 // the next N send calls return kFaultInjected
  bool noStatus = false;               // every status query returns kFaultInjected
  bool noDiscovery = false;            // find lists nothing and finds nothing
  std::chrono::milliseconds delay{0};  // each reply waits this long (the server keeps it)
};

class Core {
 public:
  // The monotonic clock, in nanoseconds; tests give a virtual one.
  using Clock = std::function<std::int64_t()>;

  // systems: at least one.
  Core(std::vector<std::unique_ptr<SimulatedSystem>> systems, Clock clock);

  void addObserver(Observer& observer) { observers_.push_back(&observer); }
  void removeObserver(Observer& observer) { std::erase(observers_, &observer); }
  Faults& faults() { return faults_; }
  const Faults& faults() const { return faults_; }
  const std::vector<std::unique_ptr<SimulatedSystem>>& systems() const { return systems_; }
  std::int64_t now() const { return clock_(); }
  // Seconds from the core's start to a reading of its clock.
  double secondsAt(std::int64_t at) const { return static_cast<double>(at - start_) / 1e9; }

  // A client connected, with the credentials of its socket: its number.
  int connect(pid_t pid, uid_t uid);
  // The reply to a client's request that arrived at `arrived` (a reading of
  // the clock). A failure when the client must be dropped, saying why (a
  // call before its hello, a second hello).
  files::Result<protocol::frames::Reply> serve(int client, const protocol::frames::Request& request,
                                               std::int64_t arrived);
  // The client is gone; kind Disconnected or Dropped (why says why).
  void disconnect(int client, ClientEvent::Kind kind, const std::string& why = {});
  // A process of another user was turned away.
  void refused(pid_t pid, uid_t uid, const std::string& why);
  // Clears the marks and the spot of system number (1 onwards) from its field.
  void clearMarks(int system);
  // The connected clients that said hello, by number: (pid, program).
  std::map<int, std::pair<pid_t, std::string>> clients() const;

  // Saves what the systems have not saved yet (the working time counted);
  // when the simulator ends.
  void saveAll();

 private:
  struct Client {
    pid_t pid = 0;
    uid_t uid = 0;
    bool greeted = false;
    std::string program{};
    std::optional<std::int64_t> lastReplyAt{};
    int pauseNeeded = 0;  // ms, after the client's previous call
    // The system the client talks to, and the serial it named it by: it
    // stays the same system when its serial is set meanwhile.
    std::optional<std::size_t> bound{};
    std::int32_t boundSerial = 0;
    // The text it is typing to each system, by system number: its own, and
    // gone when it goes.
    std::map<int, controller::TextInput> texts{};
  };

  // The system a client addresses by serial, or nothing; the record names it.
  SimulatedSystem* resolve(Client& client, std::int32_t serial, CallRecord& record);
  protocol::frames::Reply find(CallRecord& record);
  protocol::frames::Reply send(Client& client, const protocol::frames::Request& request, CallRecord& record);
  protocol::frames::Reply status(Client& client, const protocol::frames::Request& request, CallRecord& record);
  // Field events of a system at t, told once the call that caused them is.
  void fieldEvents(const SimulatedSystem& system, std::vector<simulator::FieldEvent> events, double t);
  template <typename Report>
  void tell(Report report) {
    for (Observer* observer : observers_) report(*observer);
  }

  std::vector<std::unique_ptr<SimulatedSystem>> systems_;
  Clock clock_;
  std::int64_t start_;
  Faults faults_;
  std::vector<Observer*> observers_;
  std::map<int, Client> clients_;
  std::vector<FieldChange> fieldChanges_;  // of the call being served
  int nextClient_ = 1;
};

}  // namespace zor::simulator
