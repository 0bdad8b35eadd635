#include "simulator/core.h"

#include <unistd.h>

#include <algorithm>
#include <utility>

#include "protocol/link_results.h"
#include "protocol/pacing.h"
#include "protocol/zor_protocol.h"

namespace zor::simulator {

using protocol::kFaultInjected;
using protocol::kNoSystem;

Core::Core(std::vector<std::unique_ptr<SimulatedSystem>> systems, Clock clock)
    : systems_(std::move(systems)), clock_(std::move(clock)), start_(clock_()) {}

int Core::connect(pid_t pid, uid_t uid) {
  const int number = nextClient_++;
  clients_[number] = Client{.pid = pid, .uid = uid};
  return number;
}

void Core::disconnect(int number, ClientEvent::Kind kind, const std::string& why) {
  const auto it = clients_.find(number);
  if (it == clients_.end()) return;
  const Client client = std::move(it->second);
  clients_.erase(it);
  // A client that never said hello was never shown as connected.
  if (!client.greeted && kind == ClientEvent::Kind::Disconnected) return;
  const ClientEvent event{kind, secondsAt(clock_()), number, client.pid, client.uid, client.program, why};
  tell([&](Observer& o) { o.onClient(event); });
}

void Core::refused(pid_t pid, uid_t uid, const std::string& why) {
  const ClientEvent event{ClientEvent::Kind::Refused, secondsAt(clock_()), 0, pid, uid, {}, why};
  tell([&](Observer& o) { o.onClient(event); });
}

void Core::clearMarks(int system) {
  SimulatedSystem& cleared = *systems_.at(static_cast<std::size_t>(system - 1));
  const FieldChange change{secondsAt(clock_()), system, cleared.serial(), cleared.field().clear()};
  tell([&](Observer& o) { o.onField(change); });
}

void Core::fieldEvents(const SimulatedSystem& system, std::vector<simulator::FieldEvent> events, double t) {
  for (simulator::FieldEvent& event : events)
    fieldChanges_.push_back({t, system.number(), system.serial(), std::move(event)});
}

std::map<int, std::pair<pid_t, std::string>> Core::clients() const {
  std::map<int, std::pair<pid_t, std::string>> out;
  for (const auto& [number, client] : clients_)
    if (client.greeted) out[number] = {client.pid, client.program};
  return out;
}

void Core::saveAll() {
  for (const auto& system : systems_) system->host().saveUnsaved();
}

SimulatedSystem* Core::resolve(Client& client, std::int32_t serial, CallRecord& record) {
  SimulatedSystem* found = nullptr;
  if (client.bound && client.boundSerial == serial) found = systems_[*client.bound].get();
  for (std::size_t i = 0; i < systems_.size() && !found; ++i) {
    if (systems_[i]->serial() == serial) {
      client.bound = i;
      client.boundSerial = serial;
      found = systems_[i].get();
    }
  }
  if (found) {
    record.system = found->serial();
    record.number = found->number();
  }
  return found;
}

files::Result<protocol::frames::Reply> Core::serve(int number, const protocol::frames::Request& request,
                                                   std::int64_t arrived) {
  Client& client = clients_.at(number);
  if (request.call == protocol::frames::Call::Hello) {
    if (client.greeted) return files::Failure{"a second hello"};
    client.greeted = true;
    client.program = request.program;
    const ClientEvent event{
        ClientEvent::Kind::Connected, secondsAt(arrived), number, client.pid, client.uid, client.program, {}};
    tell([&](Observer& o) { o.onClient(event); });
    return protocol::frames::Reply{.call = protocol::frames::Call::Hello,
                                   .pid = static_cast<std::uint32_t>(::getpid()),
                                   .firstSystem = systems_.front()->serial()};
  }
  if (!client.greeted)
    return files::Failure{std::string("a ") + std::string(protocol::frames::CallName(request.call)) +
                          " before its hello"};

  CallRecord record{.t = secondsAt(arrived), .client = number, .pid = client.pid, .program = client.program};
  record.call = request.call;
  if (client.lastReplyAt) {
    record.pauseMs = static_cast<double>(std::max<std::int64_t>(arrived - *client.lastReplyAt, 0)) / 1e6;
    record.shortPause = *record.pauseMs < client.pauseNeeded;
    record.pauseNeededMs = client.pauseNeeded;
  }
  client.pauseNeeded = 0;
  protocol::frames::Reply reply{.call = request.call};
  switch (request.call) {
    case protocol::frames::Call::Find:
      reply = find(record);
      break;
    case protocol::frames::Call::Send:
      reply = send(client, request, record);
      break;
    case protocol::frames::Call::Status:
      reply = status(client, request, record);
      break;
    case protocol::frames::Call::Data:
    case protocol::frames::Call::Check:
      // The simulated controller takes bulk data and has no use for it.
      if (!resolve(client, request.system, record)) reply.result = kNoSystem;
      break;
    case protocol::frames::Call::Hello:
      break;
  }
  record.result = reply.result;
  client.lastReplyAt = clock_();
  tell([&](Observer& o) { o.onCall(record); });
  for (const FieldChange& change : fieldChanges_) tell([&](Observer& o) { o.onField(change); });
  fieldChanges_.clear();
  return reply;
}

protocol::frames::Reply Core::find(CallRecord& record) {
  protocol::frames::Reply reply{.call = protocol::frames::Call::Find};
  std::vector<protocol::discovery::Entry> entries;
  if (faults_.noDiscovery) {
    record.note = "fault: no discovery";
  } else {
    for (const auto& system : systems_) {
      entries.push_back(system->entry());
      // Taking up what another process saved may have changed the lens.
      const controller::ControllerHost& host = system->host();
      fieldEvents(*system, system->field().follow(host.model().snapshot(), host.model().activity()), record.t);
    }
  }
  reply.bytes.resize(protocol::kDiscoveryScratchSize);
  protocol::discovery::Write(reply.bytes.data(), entries);
  reply.found = static_cast<std::int32_t>(entries.size());
  reply.result = entries.empty() ? 0 : 1;
  return reply;
}

protocol::frames::Reply Core::send(Client& client, const protocol::frames::Request& request, CallRecord& record) {
  protocol::frames::Reply reply{.call = protocol::frames::Call::Send};
  const std::vector<std::uint8_t>& packet = request.bytes;
  if (packet.size() == protocol::kPacketLength) {
    record.code = packet[2];
    record.name = std::string(protocol::CommandName(packet[2]));
    record.value = packet[3];
    // Whatever becomes of it, the controller needs its pause after it.
    client.pauseNeeded = protocol::RequiredPauseAfter(false, packet[2]);
  }
  SimulatedSystem* system = resolve(client, request.system, record);
  if (!system) {
    reply.result = kNoSystem;
    return reply;
  }
  if (faults_.refuseSends > 0) {
    --faults_.refuseSends;
    reply.result = kFaultInjected;
    record.note = "fault: packet refused";
    return reply;
  }
  const SystemState before = system->state();
  controller::TextInput& typed = client.texts[system->number()];
  const controller::ControllerHost::Sent sent = system->host().send(packet, typed);
  reply.result = sent.result;
  record.note = sent.note;
  if (record.code == protocol::CMD_TEXT_CHAR && record.value == 0 && sent.result == 0) record.text = typed.text;
  // A serial set or reset names the system anew.
  record.system = system->serial();
  if (sent.result != protocol::kBadArgument) {  // the controller was given the command
    const controller::ControllerModel& model = system->host().model();
    fieldEvents(*system, system->field().command(packet[2], model.snapshot(), model.activity()), record.t);
  }
  if (const SystemState after = system->state(); after != before)
    tell([&](Observer& o) { o.onState(system->number(), after); });
  return reply;
}

protocol::frames::Reply Core::status(Client& client, const protocol::frames::Request& request, CallRecord& record) {
  protocol::frames::Reply reply{.call = protocol::frames::Call::Status};
  record.code = request.code;
  record.name = std::string(protocol::StatusName(request.code));
  client.pauseNeeded = protocol::RequiredPauseAfter(true, request.code);
  SimulatedSystem* system = resolve(client, request.system, record);
  if (!system) {
    reply.result = kNoSystem;
    return reply;
  }
  if (faults_.noStatus) {
    reply.result = kFaultInjected;
    record.note = "fault: no status";
    return reply;
  }
  const controller::ControllerHost::Answer answer = system->host().status(request.code, request.length);
  // The status query took up what another process saved.
  const controller::ControllerModel& model = system->host().model();
  fieldEvents(*system, system->field().follow(model.snapshot(), model.activity()), record.t);
  reply.result = answer.result;
  if (answer.result == 0) {
    reply.bytes.assign(answer.reply.bytes.begin(), answer.reply.bytes.begin() + answer.reply.size);
    record.reply = reply.bytes;
  }
  return reply;
}

}  // namespace zor::simulator
