// The device link as a client of zor-simulator, against a scripted simulator
// on this thread: what it sends, what it makes of the replies, and its
// deadline when the replies are bad or do not come.

#include "comm/simulator_client.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <future>
#include <sstream>

#include "files/unique_fd.h"
#include "protocol/discovery.h"
#include "tests/support/controller_test_util.h"

namespace zor::comm {
namespace {

using protocol::frames::Call;
using protocol::frames::Reply;
using protocol::frames::Request;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

constexpr auto kTimeout = 150ms;

// The simulator's side, scripted: accepts, reads a request, answers as told.
class ScriptedSimulator {
 public:
  explicit ScriptedSimulator(const std::string& path) {
    listener_ = files::UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    EXPECT_EQ(::bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(listener_.get(), 8), 0);
  }
  // The next request, from the connection or a new one; nothing after 5 s.
  std::optional<Request> next() {
    for (int turn = 0; turn < 1000; ++turn) {
      pollfd watched[2] = {{listener_.get(), POLLIN, 0}, {client_.get(), POLLIN, 0}};
      if (::poll(watched, client_ ? 2 : 1, 5) < 0) return std::nullopt;
      if (watched[0].revents & POLLIN) {
        client_ = files::UniqueFd(::accept(listener_.get(), nullptr, nullptr));
        frames_ = {};
      } else if (client_ && (watched[1].revents & (POLLIN | POLLHUP))) {
        std::uint8_t buffer[70000];
        const ssize_t n = ::recv(client_.get(), buffer, sizeof buffer, 0);
        if (n <= 0) client_ = files::UniqueFd();
        if (n > 0) frames_.Add(std::span(buffer, static_cast<std::size_t>(n)));
      }
      if (auto body = frames_.Next()) {
        auto request = protocol::frames::DecodeRequest(*body);
        return request ? std::optional<Request>(std::move(*request)) : std::nullopt;
      }
    }
    return std::nullopt;
  }
  void answer(const Reply& reply) { raw(protocol::frames::Encode(reply)); }
  void raw(const Bytes& bytes) { ::send(client_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL); }
  void hangUp() { client_ = files::UniqueFd(); }
  // Takes the hello and answers it.
  void greet(std::int32_t first = 100001) {
    const auto hello = next();
    ASSERT_TRUE(hello && hello->call == Call::Hello);
    EXPECT_EQ(hello->program, "comm_simulator_client_test");
    answer({.call = Call::Hello, .pid = 99, .firstSystem = first});
  }

 private:
  files::UniqueFd listener_;
  files::UniqueFd client_;
  protocol::frames::FrameReader frames_;
};

class SimulatorClientTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::ostringstream warnings;
  const char* wantedSystem = nullptr;
  std::unique_ptr<SimulatorClient> client;

  void SetUp() override { client = makeClient(::geteuid()); }
  // ownUser: the user the client takes for its own.
  std::unique_ptr<SimulatorClient> makeClient(uid_t ownUser) {
    LinkConfig config;
    config.link = LinkKind::Simulator;
    config.socketPath = (dir.path() / "socket").string();
    config.tracePath = (dir.path() / "trace").string();
    config.environment = [this](const char* name) {
      return std::string_view(name) == protocol::discovery::kSystemVariable ? wantedSystem : nullptr;
    };
    return std::make_unique<SimulatorClient>(config, warnings, kTimeout, ownUser);
  }
  std::string socket() const { return (dir.path() / "socket").string(); }
  std::int32_t status(std::uint8_t* block, std::int32_t length, int code = protocol::CMD_GET_MAC_ADDRESS) {
    return client->getStatus(code, 0, block, length, u"NOT USED");
  }
};

TEST_F(SimulatorClientTest, EveryCallIsForwardedToTheSystemFoundAndAnswersWithItsResult) {
  ScriptedSimulator simulator(socket());
  std::uint8_t mac[6] = {};
  auto before = std::async(std::launch::async, [&] { return status(mac, 6); });
  simulator.greet();
  EXPECT_EQ(simulator.next(),
            (Request{.call = Call::Status, .system = 100001, .code = protocol::CMD_GET_MAC_ADDRESS, .length = 6}))
      << "before any discovery: the simulator's first system";
  simulator.answer({.call = Call::Status, .bytes = {2, 0, 0x5A, 0x4F, 0x52, 1}});
  EXPECT_EQ(before.get(), 0);
  EXPECT_THAT(mac, ElementsAre(2, 0, 0x5A, 0x4F, 0x52, 1));

  wantedSystem = "100003";
  Bytes block(protocol::kDiscoveryScratchSize);
  std::int32_t found = 0;
  auto find = std::async(std::launch::async, [&] { return client->findSystems(block.data(), &found); });
  EXPECT_EQ(simulator.next(), Request{.call = Call::Find});
  Reply listing{.call = Call::Find, .result = 1, .found = 3, .bytes = Bytes(protocol::kDiscoveryScratchSize)};
  const std::vector<protocol::discovery::Entry> systems = {{100001, "A", {}}, {100002, "B", {}}, {100003, "C", {}}};
  protocol::discovery::Write(listing.bytes.data(), systems);
  simulator.answer(listing);
  EXPECT_EQ(find.get(), 1);
  EXPECT_EQ(found, 3);
  EXPECT_EQ(protocol::discovery::Read(block.data()), systems);

  wantedSystem = nullptr;  // read at discovery only: the calls stay with 100003
  const std::uint8_t packet[4] = {0xFF, 0xFF, protocol::CMD_SHUTTER_OPEN, 0};
  auto send = std::async(std::launch::async, [&] { return client->sendCommand(packet, 4, u"SYSTEM NAME NOT USED"); });
  EXPECT_EQ(simulator.next(), (Request{.call = Call::Send, .system = 100003, .bytes = Bytes(packet, packet + 4)}));
  simulator.answer({.call = Call::Send, .result = 8});
  EXPECT_EQ(send.get(), 8);

  const std::uint8_t data[3] = {1, 2, 3};
  auto bulk = std::async(std::launch::async, [&] { return client->sendData(data, 3, u""); });
  EXPECT_EQ(simulator.next(), (Request{.call = Call::Data, .system = 100003, .bytes = {1, 2, 3}}));
  simulator.answer({.call = Call::Data});
  EXPECT_EQ(bulk.get(), 0);

  // Arguments the library refuses itself never go out.
  EXPECT_EQ(client->sendCommand(nullptr, 4, u""), protocol::kBadArgument);
  EXPECT_EQ(client->sendCommand(packet, 65, u""), protocol::kBadArgument);
  EXPECT_EQ(status(nullptr, 6), protocol::kBadArgument);
  EXPECT_EQ(client->sendData(nullptr, 2, u""), protocol::kBadArgument);
  EXPECT_EQ(warnings.str(), "");
}

// Whatever goes wrong with a reply, the call returns kNoAnswer by its
// deadline and the next call connects afresh.
TEST_F(SimulatorClientTest, ABadOrMissingReplyIsNoAnswerByTheDeadline) {
  ScriptedSimulator simulator(socket());
  const struct {
    const char* what;
    std::function<void(ScriptedSimulator&)> act;
    const char* note;
  } cases[] = {
      {"hangs up", [](ScriptedSimulator& s) { s.hangUp(); }, "the simulator closed the connection"},
      {"says nothing", [](ScriptedSimulator&) {}, "no reply within 150 ms"},
      {"announces too long a frame",
       [](ScriptedSimulator& s) {
         s.raw({0xFD, 0xFF, 0, 0});
       },
       "a reply longer than a frame"},
      {"answers another call", [](ScriptedSimulator& s) { s.answer({.call = Call::Send}); }, "not to its request"},
      {"overflows the block", [](ScriptedSimulator& s) { s.answer({.call = Call::Status, .bytes = Bytes(7)}); },
       "not to its request"},
      {"sends a malformed body",
       [](ScriptedSimulator& s) {
         s.raw({1, 0, 0, 0, 9});
       },
       "(a body shorter"},
  };
  for (const auto& c : cases) {
    std::uint8_t block[6] = {};
    const auto started = std::chrono::steady_clock::now();
    auto call = std::async(std::launch::async, [&] { return status(block, 6); });
    simulator.greet();
    ASSERT_TRUE(simulator.next()) << c.what;
    c.act(simulator);
    EXPECT_EQ(call.get(), protocol::kNoAnswer) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - started, kTimeout + 500ms) << c.what;
    EXPECT_THAT(test::readFile(dir.path() / "trace"), HasSubstr(c.note)) << c.what;
  }
  EXPECT_EQ(warnings.str(), "ZorComm: zor-simulator did not answer: the simulator closed the connection\n")
      << "said once until the simulator answers again";
}

TEST_F(SimulatorClientTest, AConnectionTheSimulatorClosedIsMadeAgainWithinTheCall) {
  ScriptedSimulator simulator(socket());
  auto first = std::async(std::launch::async, [&] { return client->checkStatus(u""); });
  simulator.greet();
  ASSERT_TRUE(simulator.next());
  simulator.answer({.call = Call::Check});
  ASSERT_EQ(first.get(), 0);
  simulator.hangUp();  // as a simulator that restarted

  std::uint8_t mac[6] = {};
  auto after = std::async(std::launch::async, [&] { return status(mac, 6); });
  simulator.greet();
  EXPECT_EQ(simulator.next(),
            (Request{.call = Call::Status, .system = 100001, .code = protocol::CMD_GET_MAC_ADDRESS, .length = 6}));
  simulator.answer({.call = Call::Status, .bytes = {2, 0, 0x5A, 0x4F, 0x52, 1}});
  EXPECT_EQ(after.get(), 0);
  EXPECT_EQ(warnings.str(), "");
}

// Calls of several threads wait for each other, each only until its own deadline.
TEST_F(SimulatorClientTest, EveryCallEndsByItsOwnDeadlineHoweverManyWait) {
  ScriptedSimulator stopped(socket());  // takes connections, never answers
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::future<std::int32_t>> calls;
  for (int i = 0; i < 4; ++i) calls.push_back(std::async(std::launch::async, [&] { return client->checkStatus(u""); }));
  for (auto& call : calls) EXPECT_EQ(call.get(), protocol::kNoAnswer);
  // One after the other they would take four deadlines.
  EXPECT_LT(std::chrono::steady_clock::now() - started, 3 * kTimeout);
  EXPECT_THAT(test::readFile(dir.path() / "trace"), HasSubstr("another call held the link until this call's deadline"));
}

TEST_F(SimulatorClientTest, AServerOfAnotherUserIsRefusedAndSaidSoOnce) {
  ScriptedSimulator stranger(socket());
  const uid_t me = ::geteuid() + 1;  // the socket's real server then runs as another user
  client = makeClient(me);
  EXPECT_EQ(client->checkStatus(u""), protocol::kNoAnswer);
  Bytes block(protocol::kDiscoveryScratchSize);
  std::int32_t found = 5;
  EXPECT_EQ(client->findSystems(block.data(), &found), 0);
  EXPECT_EQ(found, 0);
  const std::string said = "zor-simulator did not answer: refused " + socket() + ": it is served by user " +
                           std::to_string(::geteuid()) + ", not by this user (" + std::to_string(me) + ")";
  EXPECT_EQ(warnings.str(), "ZorComm: " + said + "\n");
  EXPECT_THAT(test::readFile(dir.path() / "trace"), HasSubstr("warning: " + said));
}

TEST_F(SimulatorClientTest, WithoutASimulatorNothingIsFoundAndEveryCallFailsAtOnce) {
  Bytes block(protocol::kDiscoveryScratchSize, 0xEE);
  std::int32_t found = 5;
  EXPECT_EQ(client->findSystems(block.data(), &found), 0);
  EXPECT_EQ(found, 0);
  EXPECT_TRUE(protocol::discovery::Read(block.data()).empty());
  const std::uint8_t packet[4] = {0xFF, 0xFF, protocol::CMD_SHUTTER_OPEN, 0};
  EXPECT_EQ(client->sendCommand(packet, 4, u""), protocol::kNoAnswer);
  EXPECT_EQ(client->checkStatus(u""), protocol::kNoAnswer);
  EXPECT_THAT(warnings.str(), HasSubstr("cannot connect to " + socket()));
}

}  // namespace
}  // namespace zor::comm
