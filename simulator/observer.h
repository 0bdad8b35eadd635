#pragma once
// How the simulator's core tells its front ends (the window, the headless
// logs) what happens: every call served, the clients coming and going, and
// what a technician sees of each system at a glance. All on the core's one
// thread, in the order it happened.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/simulator_frames.h"
#include "simulator/simulated_system.h"

namespace zor::simulator {

// One call of an entry point, as served.
struct CallRecord {
  double t = 0;    // seconds since the simulator started, when the request arrived
  int client = 0;  // the connection, numbered from 1 in the order they came
  pid_t pid = 0;   // the client's process (from the socket, never from what it says)
  std::string program{};
  std::optional<std::int32_t> system{};  // the serial of the system served; none for find or an unknown one
  int number = 0;                        // that system's number, 1 onwards; 0 when none
  protocol::frames::Call call = protocol::frames::Call::Find;
  std::optional<int> code{};          // send: the command code; status: the status code
  std::string name{};                 // the code's name; empty for a code not in the lists
  std::optional<int> value{};         // send: the value byte
  std::optional<std::string> text{};  // at the end of a text: the text the controller put together (Latin-1)
  std::vector<std::uint8_t> reply{};  // status: the reply's bytes
  std::int32_t result = 0;
  std::string note{};  // what the controller made of it ("rejected: ...", "committed", ...) or the fault
  // Since the reply to that client's previous call; none for its first.
  std::optional<double> pauseMs{};
  // The previous call needed a longer pause than that (protocol/pacing.h):
  // pauseNeededMs.
  bool shortPause = false;
  int pauseNeededMs = 0;
};

// One change of what a system's field view draws.
struct FieldChange {
  double t = 0;    // seconds since the simulator started
  int system = 0;  // its number, 1 onwards
  std::int32_t serial = 0;
  simulator::FieldEvent event{};
};

struct ClientEvent {
  enum class Kind {
    Connected,     // said hello
    Disconnected,  // closed between calls
    Dropped,       // vanished mid-call, sent a malformed frame, or was dropped on request; why says which
    Refused,       // a process of another user; never served
  };
  Kind kind = Kind::Connected;
  double t = 0;
  int client = 0;
  pid_t pid = 0;
  uid_t uid = 0;
  std::string program{};
  std::string why{};
};

class Observer {
 public:
  virtual ~Observer() = default;
  virtual void onCall(const CallRecord&) {}
  virtual void onClient(const ClientEvent&) {}
  // system: its number, 1 onwards.
  virtual void onState(int /*system*/, const SystemState&) {}
  // What the field draws changed: through a command the controller was
  // given (reported after the call that gave it), a state another process
  // saved, or marks cleared.
  virtual void onField(const FieldChange&) {}
};

}  // namespace zor::simulator
