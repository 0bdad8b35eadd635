// The simulator's core without a socket: its systems, how it serves each
// call, its faults, pauses and what it tells observers; the packet log's lines.

#include "simulator/core.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <memory>

#include "protocol/link_results.h"
#include "simulator/packet_log.h"
#include "tests/support/controller_test_util.h"

namespace zor::simulator {
namespace {

using protocol::frames::Call;
using protocol::frames::Reply;
using protocol::frames::Request;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Recorder : Observer {
  std::vector<CallRecord> calls;
  std::vector<ClientEvent> clients;
  std::vector<std::pair<int, SystemState>> states;
  std::vector<FieldChange> fields;
  // What was told, in order: "call <name>", "field <event>".
  std::vector<std::string> told;
  void onCall(const CallRecord& r) override {
    calls.push_back(r);
    told.push_back("call " + (r.name.empty() ? std::string(protocol::frames::CallName(r.call)) : r.name));
  }
  void onClient(const ClientEvent& e) override { clients.push_back(e); }
  void onState(int system, const SystemState& s) override { states.emplace_back(system, s); }
  void onField(const FieldChange& f) override {
    fields.push_back(f);
    told.push_back(std::string("field ") + simulator::eventName(f.event.kind));
  }
};

class CoreTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::int64_t nowNs = 5'000'000'000;
  std::vector<std::string> warnings;
  Recorder recorder;
  std::unique_ptr<Core> core;

  std::filesystem::path stateFile() const { return dir.path() / "controller-state"; }
  void start(int count, simulator::LensError lens = {}) {
    std::vector<std::unique_ptr<SimulatedSystem>> systems;
    for (int k = 1; k <= count; ++k)
      systems.push_back(std::make_unique<SimulatedSystem>(
          k, systemStateFile(stateFile(), k), [this] { return nowNs / 1'000'000; }, "boot",
          [this](const std::string& w) { warnings.push_back(w); }, lens));
    core = std::make_unique<Core>(std::move(systems), [this] { return nowNs; });
    core->addObserver(recorder);
  }
  // A client that said hello.
  int client(pid_t pid = 4711) {
    const int c = core->connect(pid, ::geteuid());
    EXPECT_TRUE(serve(c, {.call = Call::Hello, .version = 1, .program = "zorctl"}));
    return c;
  }
  files::Result<Reply> serve(int c, const Request& r) { return core->serve(c, r, nowNs); }
  std::int32_t send(int c, std::int32_t system, std::uint8_t code, std::uint8_t value = 0) {
    return serve(c, {.call = Call::Send, .system = system, .bytes = {0xFF, 0xFF, code, value}})->result;
  }
  void text(int c, std::int32_t system, std::uint8_t code, std::string_view value) {
    for (char ch : value) send(c, system, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(ch));
    send(c, system, protocol::CMD_TEXT_CHAR, 0);
    send(c, system, code);
  }
  Reply status(int c, std::int32_t system, int code, int length = 64) {
    return *serve(c, {.call = Call::Status, .system = system, .code = code, .length = length});
  }
  std::vector<protocol::discovery::Entry> find(int c, std::int32_t* result = nullptr) {
    const Reply reply = *serve(c, {.call = Call::Find});
    if (result) *result = reply.result;
    EXPECT_EQ(reply.found, static_cast<std::int32_t>(protocol::discovery::Read(reply.bytes.data()).size()));
    return protocol::discovery::Read(reply.bytes.data());
  }
  static std::int32_t serialIn(const Reply& info) {
    std::int32_t serial = 0;
    std::memcpy(&serial, info.bytes.data() + protocol::identity::kSerialAt, 4);
    return serial;
  }
};

TEST_F(CoreTest, EachSystemHasItsOwnIdentityAndStateFileAndAFilesValuesWin) {
  controller::ControllerState kept = systemDefaults(3);
  kept.modelName = "NK-100A";
  ASSERT_TRUE(controller::saveStateAtomic(systemStateFile(stateFile(), 3), kept));
  start(3);
  const int c = client();
  EXPECT_THAT(find(c), ElementsAre(protocol::discovery::Entry{100001, "NZ-SIM", {192, 168, 1, 10}},
                                   protocol::discovery::Entry{100002, "NZ-SIM", {192, 168, 1, 11}},
                                   protocol::discovery::Entry{100003, "NK-100A", {192, 168, 1, 12}}));
  EXPECT_THAT(status(c, 100002, protocol::CMD_GET_MAC_ADDRESS).bytes, ElementsAre(0x02, 0x00, 0x5A, 0x4F, 0x52, 0x02));
  text(c, 100002, protocol::CMD_SET_LENS, "254");
  EXPECT_EQ(controller::loadState(dir.path() / "controller-state-2")->state.lens, 254);
  EXPECT_EQ(controller::loadState(dir.path() / "controller-state-2")->state.serial, 100002);
  EXPECT_FALSE(std::filesystem::exists(stateFile())) << "system 1 changed nothing";
  EXPECT_TRUE(warnings.empty());
}

TEST_F(CoreTest, AFileWithoutSomeKeysTakesThemFromItsOwnSystem) {
  test::writeFile(systemStateFile(stateFile(), 2), "lens = 150\n");
  test::writeFile(systemStateFile(stateFile(), 3), "");
  start(3);
  const int c = client();
  const auto expected = ElementsAre(protocol::discovery::Entry{100001, "NZ-SIM", {192, 168, 1, 10}},
                                    protocol::discovery::Entry{100002, "NZ-SIM", {192, 168, 1, 11}},
                                    protocol::discovery::Entry{100003, "NZ-SIM", {192, 168, 1, 12}});
  EXPECT_THAT(find(c), expected) << "at start";
  EXPECT_EQ(status(c, 100002, protocol::CMD_GET_SYSTEM_INFO).bytes.at(protocol::identity::kLensAt), 150);
  // Replaced while it runs: another process writes the partial files anew.
  nowNs += 2'000'000'000;
  for (int k : {2, 3}) {
    const auto file = systemStateFile(stateFile(), k);
    std::filesystem::remove(file);
    test::writeFile(file, "lens = 160\n");
  }
  EXPECT_THAT(find(c), expected) << "when taken up";
  EXPECT_THAT(status(c, 100003, protocol::CMD_GET_MAC_ADDRESS).bytes, ElementsAre(0x02, 0x00, 0x5A, 0x4F, 0x52, 0x03));
  EXPECT_TRUE(warnings.empty());
}

TEST_F(CoreTest, EachClientTypesItsOwnTextAndAnUnfinishedOneGoesWithIt) {
  start(1);
  const int a = client(4711);
  const int b = client(4712);
  // Two runs setting one value at once, character by character in turn.
  for (const auto& [by, ch] : {std::pair{a, '1'}, {b, '2'}, {a, 0}, {b, 0}})
    send(by, 100001, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(ch));
  EXPECT_EQ(recorder.calls.back().text, "2") << "the packet log shows the client's own text";
  auto minCurrent = [&] { return core->systems()[0]->host().model().snapshot().minCurrent; };
  send(a, 100001, protocol::CMD_SET_MIN_CURRENT);
  EXPECT_EQ(minCurrent(), 1.0);
  send(b, 100001, protocol::CMD_SET_MIN_CURRENT);
  EXPECT_EQ(minCurrent(), 2.0);

  // A client killed in the middle of a text leaves nothing for the next.
  const int killed = client(4713);
  for (char ch : std::string("7.20")) send(killed, 100001, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(ch));
  core->disconnect(killed, ClientEvent::Kind::Dropped, "gone");
  text(client(4714), 100001, protocol::CMD_SET_LENS, "210");
  EXPECT_EQ(core->systems()[0]->host().model().snapshot().lens, 210);
}

TEST_F(CoreTest, ACallGoesToTheSystemAddressedWhichStaysItsOwnWhenItsSerialIsSet) {
  start(2);
  const int a = client();
  text(a, 100002, protocol::CMD_SET_SERIAL_NUMBER, "555");
  EXPECT_EQ(serialIn(status(a, 100002, protocol::CMD_GET_SYSTEM_INFO)), 555) << "the same system, by its old serial";
  const int b = client(4712);
  EXPECT_EQ(status(b, 100002, protocol::CMD_GET_SYSTEM_INFO).result, protocol::kNoSystem)
      << "no system has that serial now";
  EXPECT_EQ(serialIn(status(b, 555, protocol::CMD_GET_SYSTEM_INFO)), 555);
  EXPECT_EQ(serialIn(status(b, 100001, protocol::CMD_GET_SYSTEM_INFO)), 100001);
  EXPECT_EQ(recorder.calls.back().system, 100001);
}

TEST_F(CoreTest, FaultsOnDemand) {
  start(1);
  const int c = client();
  core->faults().refuseSends = 2;
  EXPECT_EQ(send(c, 100001, protocol::CMD_SHUTTER_OPEN), protocol::kFaultInjected);
  EXPECT_EQ(send(c, 100001, protocol::CMD_SHUTTER_OPEN), protocol::kFaultInjected);
  EXPECT_FALSE(core->systems()[0]->state().shutterOpen) << "a refused packet changes nothing";
  EXPECT_EQ(send(c, 100001, protocol::CMD_SHUTTER_OPEN), 0);
  EXPECT_TRUE(core->systems()[0]->state().shutterOpen);

  core->faults().noStatus = true;
  EXPECT_EQ(status(c, 100001, protocol::CMD_GET_CURRENTS).result, protocol::kFaultInjected);
  EXPECT_EQ(send(c, 100001, protocol::CMD_SHUTTER_CLOSE), 0);
  core->faults().noStatus = false;
  EXPECT_EQ(status(c, 100001, protocol::CMD_GET_CURRENTS).result, 0);

  core->faults().noDiscovery = true;
  std::int32_t result = 1;
  EXPECT_TRUE(find(c, &result).empty());
  EXPECT_EQ(result, 0);
  EXPECT_EQ(recorder.calls.back().note, "fault: no discovery");
}

// The pause is from the reply to a client's call to its next request; short
// when the controller needed more after the previous packet.
TEST_F(CoreTest, PausesAreMarkedShortWhenTheControllerNeededMore) {
  start(1);
  const struct {
    bool status;
    int code;
    std::int64_t pauseMs;
    bool isShort;
  } cases[] = {
      {false, protocol::CMD_TEXT_CHAR, 99, true},      {false, protocol::CMD_TEXT_CHAR, 100, false},
      {false, protocol::CMD_MOVE_TO_X, 150, true},     {false, protocol::CMD_AIM_ALIGN_SAVE, 499, true},
      {true, protocol::CMD_GET_IP_ADDRESS, 299, true}, {true, protocol::CMD_GET_IP_ADDRESS, 300, false},
      {true, protocol::CMD_GET_SYSTEM_INFO, 0, false}, {false, protocol::CMD_SHUTTER_OPEN, 0, false},
  };
  const int c = client();
  for (const auto& k : cases) {
    if (k.status)
      status(c, 100001, k.code);
    else
      send(c, 100001, static_cast<std::uint8_t>(k.code), 'x');
    nowNs += k.pauseMs * 1'000'000;
    find(c);
    EXPECT_EQ(recorder.calls.back().pauseMs, static_cast<double>(k.pauseMs)) << k.code;
    EXPECT_EQ(recorder.calls.back().shortPause, k.isShort) << k.code << " then " << k.pauseMs << " ms";
  }
}

TEST_F(CoreTest, HelloComesFirstAndOnce) {
  start(1);
  const int c = core->connect(1, ::geteuid());
  const auto early = serve(c, {.call = Call::Find});
  EXPECT_FALSE(early);
  EXPECT_EQ(early.why(), "a find before its hello");
  const int d = client(2);
  const auto again = serve(d, {.call = Call::Hello, .version = 1});
  EXPECT_FALSE(again);
  EXPECT_EQ(again.why(), "a second hello");
  const Reply hello = *serve(core->connect(3, ::geteuid()), {.call = Call::Hello, .version = 1, .program = "p"});
  EXPECT_EQ(hello.pid, static_cast<std::uint32_t>(::getpid()));
  EXPECT_EQ(hello.firstSystem, 100001);
}

TEST_F(CoreTest, WhatATechnicianSeesAtAGlanceIsReportedWhenItChanges) {
  start(2);
  const int c = client();
  send(c, 100002, protocol::CMD_SHUTTER_OPEN);
  send(c, 100002, protocol::CMD_SHUTTER_OPEN);  // no change
  send(c, 100002, protocol::CMD_TEST_POWER_ON, 40);
  send(c, 100002, protocol::CMD_CENTER_ADJUST_BEGIN);
  send(c, 100002, protocol::CMD_ADJUST_END);
  ASSERT_EQ(recorder.states.size(), 4u);
  EXPECT_EQ(recorder.states[0], (std::pair{2, SystemState{.shutterOpen = true}}));
  EXPECT_EQ(recorder.states[1].second, (SystemState{.shutterOpen = true, .testPower = true, .pulse = 40}));
  EXPECT_EQ(recorder.states[2].second.mode, controller::Mode::CenterAdjust);
  EXPECT_EQ(recorder.states[3].second.mode, controller::Mode::Idle);
}

// Every command a system's controller was given goes through its field model,
// and what changed reaches the observers after the call that caused it.
TEST_F(CoreTest, TheFieldFollowsWhatEachSystemWasGiven) {
  start(2, simulator::LensError{0, 0, 0});
  const int c = client();
  core->faults().refuseSends = 1;
  send(c, 100002, protocol::CMD_MARK_ORIGINAL_SQUARE);  // refused: the controller never saw it
  nowNs += 1'500'000'000;
  send(c, 100002, protocol::CMD_MARK_ORIGINAL_SQUARE);
  send(c, 100002, protocol::CMD_AIMING_ON);
  send(c, 100002, 0x7F);  // a code the controller rejects: nothing to draw
  send(c, 100002, protocol::CMD_MOVE_TO_X, 255);
  EXPECT_THAT(recorder.told,
              ElementsAre("call CMD_MARK_ORIGINAL_SQUARE", "call CMD_MARK_ORIGINAL_SQUARE", "field mark",
                          "call CMD_AIMING_ON", "field aiming", "call send", "call CMD_MOVE_TO_X", "field move"));
  ASSERT_EQ(recorder.fields.size(), 3u);
  const FieldChange& mark = recorder.fields[0];
  EXPECT_EQ(mark.system, 2);
  EXPECT_EQ(mark.serial, 100002);
  EXPECT_DOUBLE_EQ(mark.t, 1.5);
  EXPECT_DOUBLE_EQ(mark.event.figure->width, 110.025 / 2) << "the lens given: a perfect one";
  EXPECT_TRUE(core->systems()[0]->field().view().marks.empty()) << "system 1 marked nothing";

  core->clearMarks(2);
  EXPECT_EQ(recorder.told.back(), "field clear");
  EXPECT_EQ(recorder.fields.back().serial, 100002);
  EXPECT_TRUE(core->systems()[1]->field().view().marks.empty());
  EXPECT_TRUE(core->systems()[1]->field().view().aimingDot) << "what the controller does stays";

  // A lens another process saved shows at the next query.
  controller::ControllerState other = systemDefaults(2);
  other.lens = 420;
  ASSERT_TRUE(controller::saveStateAtomic(systemStateFile(stateFile(), 2), other));
  status(c, 100002, protocol::CMD_GET_SYSTEM_INFO);
  EXPECT_EQ(recorder.told.back(), "field field");
  EXPECT_DOUBLE_EQ(recorder.fields.back().event.side, 283.5);
}

TEST_F(CoreTest, TheWorkingTimeCountsOnceWhoeverReadsIt) {
  start(1);
  const int a = client(1);
  const int b = client(2);
  nowNs += 10'000'000'000;
  for (int c : {a, b}) EXPECT_THAT(status(c, 100001, protocol::CMD_GET_WORK_TIME).bytes, ElementsAre(10, 0, 0, 0));
  core->saveAll();
  EXPECT_EQ(controller::loadState(stateFile())->state.workSeconds, 10u);
}

TEST_F(CoreTest, ThePacketLogHasOneLinePerCall) {
  start(1);
  const int c = client(77);
  find(c);
  nowNs += 1'000'000;
  send(c, 100001, protocol::CMD_TEXT_CHAR, '7');
  nowNs += 100'000'000;
  send(c, 100001, protocol::CMD_TEXT_CHAR, 0);
  nowNs += 50'500'000;
  send(c, 100001, protocol::CMD_SET_LENS);
  status(c, 100001, protocol::CMD_GET_MAC_ADDRESS, 2);
  std::vector<std::string> lines;
  for (const CallRecord& r : recorder.calls) lines.push_back(packetLogLine(r));
  EXPECT_THAT(lines, ElementsAre(R"({"t":0.000000,"pid":77,"system":null,"call":"find","code":null,"name":null,)"
                                 R"("value":null,"result":1,"pause_ms":null,"short":false})",
                                 R"({"t":0.001000,"pid":77,"system":100001,"call":"send","code":66,)"
                                 R"("name":"CMD_TEXT_CHAR","value":55,"result":0,"pause_ms":1.000,"short":false})",
                                 R"({"t":0.101000,"pid":77,"system":100001,"call":"send","code":66,)"
                                 R"("name":"CMD_TEXT_CHAR","value":0,"result":0,"pause_ms":100.000,"short":false,)"
                                 R"("text":"7"})",
                                 R"({"t":0.151500,"pid":77,"system":100001,"call":"send","code":69,)"
                                 R"("name":"CMD_SET_LENS","value":0,"result":0,"pause_ms":50.500,"short":true})",
                                 R"({"t":0.151500,"pid":77,"system":100001,"call":"status","code":193,)"
                                 R"("name":"CMD_GET_MAC_ADDRESS","value":null,"result":4,"pause_ms":0.000,)"
                                 R"("short":false})"));
  EXPECT_EQ(recorder.calls[3].note, "committed");
  EXPECT_EQ(jsonLatin1("a\"\\\x01\x7f\xe9\x85"), R"("a\"\\\u0001\u007fé\u0085")");
}

TEST_F(CoreTest, ThePacketLogIsAppendedToAFileOfOursAndNeverThroughALink) {
  const auto log = dir.path() / "log";
  std::ostringstream errors;
  {
    PacketLog first(errors);
    const auto opened = first.open(log);
    ASSERT_TRUE(opened) << opened.why();
    first.onCall(CallRecord{.pid = 1});
  }
  PacketLog second(errors);
  ASSERT_TRUE(second.open(log));
  second.onCall(CallRecord{.pid = 2});
  EXPECT_EQ(test::readFile(log), packetLogLine({.pid = 1}) + "\n" + packetLogLine({.pid = 2}) + "\n");
  EXPECT_EQ(std::filesystem::status(log).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_symlink(log, dir.path() / "link");
  PacketLog linked(errors);
  EXPECT_THAT(linked.open(dir.path() / "link").why(), HasSubstr("symbolic link"));
  EXPECT_EQ(errors.str(), "");
}

// A full disk, as a file size limit makes one: no line is left half written.
TEST_F(CoreTest, ALogLineIsWrittenWholeOrNotAtAll) {
  const auto log = dir.path() / "log";
  std::ostringstream errors;
  PacketLog packets(errors);
  const auto opened = packets.open(log);
  ASSERT_TRUE(opened) << opened.why();
  const std::string line = packetLogLine({.pid = 1}) + "\n";
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit full = before;
  full.rlim_cur = line.size() * 5 / 2;
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
  for (int i = 0; i < 4; ++i) packets.onCall(CallRecord{.pid = 1});
  ::setrlimit(RLIMIT_FSIZE, &before);
  ::signal(SIGXFSZ, previous);
  packets.onCall(CallRecord{.pid = 1});  // room again: the log goes on
  EXPECT_EQ(test::readFile(log), line + line + line);
  EXPECT_EQ(errors.str(), "zor-simulator: cannot write the packet log " + log.string() +
                              ": a line could not be written whole; the lines that cannot be written are left out\n");
}

}  // namespace
}  // namespace zor::simulator
