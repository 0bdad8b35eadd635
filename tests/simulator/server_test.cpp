// The simulator's socket and server on real sockets in a temporary folder,
// driven by raw clients on this thread while the event loop turns.

#include "simulator/server.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <sstream>

#include "protocol/link_results.h"
#include "simulator/listen_socket.h"
#include "tests/support/controller_test_util.h"

namespace zor::simulator {
namespace {

using protocol::frames::Call;
using protocol::frames::Reply;
using protocol::frames::Request;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

QCoreApplication& application() {
  static int argc = 1;
  static char name[] = "server_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// Turns the event loop until done() or, failing that, a bound.
template <typename Done>
bool turnUntil(Done done) {
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    application().processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

struct RawClient {
  files::UniqueFd fd;
  protocol::frames::FrameReader frames;
  bool closed = false;

  explicit RawClient(const std::string& path) {
    fd = files::UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    EXPECT_EQ(::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
  }
  void write(const Bytes& bytes) {
    EXPECT_EQ(::send(fd.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
  }
  // All of bytes, the loop turning while the socket is full; false when the server closed it.
  bool writeTurning(const Bytes& bytes) {
    std::size_t at = 0;
    turnUntil([&] {
      const ssize_t n = ::send(fd.get(), bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) at += static_cast<std::size_t>(n);
      return at == bytes.size() || (n < 0 && errno != EAGAIN);
    });
    return at == bytes.size();
  }
  void pump() {
    std::uint8_t buffer[4096];
    ssize_t n;
    while ((n = ::recv(fd.get(), buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
      frames.Add(std::span(buffer, static_cast<std::size_t>(n)));
    if (n == 0) closed = true;
  }
  // The next reply, the loop turning meanwhile; nothing when the server closed or took too long.
  std::optional<Reply> reply() {
    std::optional<Bytes> body;
    turnUntil([&] {
      pump();
      return (body = frames.Next()) || closed;
    });
    if (!body) return std::nullopt;
    auto decoded = protocol::frames::DecodeReply(*body);
    return decoded ? std::optional<Reply>(std::move(*decoded)) : std::nullopt;
  }
  std::optional<Reply> call(const Request& request) {
    write(protocol::frames::Encode(request));
    return reply();
  }
  bool closedByServer() {
    return turnUntil([&] {
      pump();
      return closed;
    });
  }
};

struct Recorder : Observer {
  std::vector<CallRecord> calls;
  std::vector<ClientEvent> clients;
  void onCall(const CallRecord& r) override { calls.push_back(r); }
  void onClient(const ClientEvent& e) override { clients.push_back(e); }
};

class ServerTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = (dir.path() / "run" / "socket").string();
  std::ostringstream errors;
  Recorder recorder;
  std::int64_t nowNs = 0;
  std::unique_ptr<Core> core;
  std::unique_ptr<Server> server;

  void SetUp() override {
    application();
    std::vector<std::unique_ptr<SimulatedSystem>> systems;
    systems.push_back(std::make_unique<SimulatedSystem>(
        1, dir.path() / "state", [] { return 0; }, "", [](const std::string&) {}));
    core = std::make_unique<Core>(std::move(systems), [this] { return nowNs; });
    core->addObserver(recorder);
    restart({});
  }
  void restart(ServerLimits limits) {
    server.reset();
    server = std::make_unique<Server>(*core, errors, limits);
    auto place = ListenSocket::open(path);
    ASSERT_TRUE(place) << place.why();
    server->serve(std::move(*place));
  }
  std::unique_ptr<RawClient> greeted() {
    auto client = std::make_unique<RawClient>(path);
    const auto hello = client->call({.call = Call::Hello, .version = 1, .program = "raw"});
    EXPECT_TRUE(hello && hello->call == Call::Hello);
    return client;
  }
};

TEST_F(ServerTest, ThePlaceIsThisUsersAloneAndOneSimulatorHoldsIt) {
  struct stat st {};
  ASSERT_EQ(::lstat((dir.path() / "run").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(::lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISSOCK(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(test::readFile(path + ".lock"), std::to_string(::getpid()) + "\n");

  EXPECT_EQ(ListenSocket::open(path).why(),
            "another zor-simulator (pid " + std::to_string(::getpid()) + ") serves " + path);
  EXPECT_TRUE(std::filesystem::exists(path)) << "the second one leaves the first one's socket alone";
  server.reset();
  EXPECT_FALSE(std::filesystem::exists(path)) << "the socket goes with its simulator";
}

TEST_F(ServerTest, AStaleSocketIsTakenOverAndAnythingElseIsRefused) {
  server.reset();
  const std::string stale = (dir.path() / "stale").string();
  {  // a socket its simulator left behind when it was killed
    files::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, stale.c_str());
    ASSERT_EQ(::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  }
  const auto taken = ListenSocket::open(stale);
  EXPECT_TRUE(taken) << taken.why();

  const auto file = dir.path() / "file";
  test::writeFile(file, "keep");
  std::filesystem::create_directory(dir.path() / "real");
  std::filesystem::create_directory_symlink(dir.path() / "real", dir.path() / "linked");
  std::filesystem::create_directory(dir.path() / "shared");
  ::chmod((dir.path() / "shared").c_str(), 0777);
  const struct {
    std::filesystem::path path;
    const char* why;
  } refused[] = {
      {file, "is there and is not a socket"},
      {dir.path() / "linked" / "socket", "is a symbolic link"},
      {dir.path() / "shared" / "socket", "is not this user's alone"},
      {dir.path() / std::string(120, 'x'), "the socket path must have 1 to 107 bytes"},
  };
  for (const auto& r : refused) {
    EXPECT_THAT(ListenSocket::open(r.path).why(), HasSubstr(r.why)) << r.path;
  }
  EXPECT_EQ(test::readFile(file), "keep");
}

TEST_F(ServerTest, CallsAreServedInTheOrderReceivedAndABadClientIsDroppedAlone) {
  auto a = greeted();
  auto b = greeted();
  b->write(protocol::frames::Encode(Request{.call = Call::Find}));
  a->write(protocol::frames::Encode(
      Request{.call = Call::Status, .system = 100001, .code = protocol::CMD_GET_CURRENTS, .length = 8}));
  const auto found = b->reply();
  const auto status = a->reply();
  ASSERT_TRUE(found && status);
  EXPECT_EQ(found->call, Call::Find) << "each reply answers its own request";
  EXPECT_EQ(status->bytes.size(), 8u);

  const struct {
    Bytes frame;
    const char* why;
  } bad[] = {
      {{5, 0, 0, 0, 9, 0, 0, 0, 0}, "a malformed frame: unknown call 9"},
      {{0xFD, 0xFF, 0, 0}, "a frame longer than 64 KiB"},
  };
  for (const auto& k : bad) {
    errors.str("");
    auto c = greeted();
    c->write(k.frame);
    EXPECT_TRUE(c->closedByServer()) << k.why;
    EXPECT_EQ(errors.str(), "zor-simulator: dropped client " + std::to_string(recorder.clients.back().client) +
                                " (pid " + std::to_string(::getpid()) + ", raw): " + k.why + "\n");
    EXPECT_EQ(recorder.clients.back().kind, ClientEvent::Kind::Dropped);
    EXPECT_TRUE(b->call({.call = Call::Check, .system = 100001})) << "the others go on";
  }

  errors.str("");
  auto half = greeted();
  half->write({5, 0, 0, 0, 1});
  half.reset();
  EXPECT_TRUE(turnUntil([&] { return !errors.str().empty(); }));
  EXPECT_THAT(errors.str(), HasSubstr("went away in the middle of a call"));

  errors.str("");
  a.reset();  // between calls: no complaint
  EXPECT_TRUE(turnUntil([&] { return recorder.clients.back().kind == ClientEvent::Kind::Disconnected; }));
  EXPECT_EQ(errors.str(), "");
  EXPECT_TRUE(server->dropClient(::getpid()));
  EXPECT_TRUE(b->closedByServer());
  EXPECT_EQ(server->clientCount(), 0u);
}

// A slow answer holds up the calls that came after it, and they keep their order.
TEST_F(ServerTest, AnsweringSlowlyKeepsTheOrder) {
  auto a = greeted();
  auto b = greeted();
  core->faults().delay = 50ms;
  a->write(protocol::frames::Encode(
      Request{.call = Call::Send, .system = 100001, .bytes = {0xFF, 0xFF, protocol::CMD_SHUTTER_OPEN, 0}}));
  application().processEvents(QEventLoop::AllEvents, 5);  // a's call is taken and waits
  b->write(protocol::frames::Encode(
      Request{.call = Call::Send, .system = 100001, .bytes = {0xFF, 0xFF, protocol::CMD_SHUTTER_CLOSE, 0}}));
  ASSERT_TRUE(b->reply());
  EXPECT_EQ(recorder.calls.size(), 2u) << "b's answer came after a's call was served";
  ASSERT_TRUE(a->reply());
  EXPECT_EQ(recorder.calls[0].code, protocol::CMD_SHUTTER_OPEN);
  EXPECT_FALSE(core->systems()[0]->state().shutterOpen) << "the close came second";
}

TEST_F(ServerTest, ABusyClientDelaysAnothersCallByOneOfItsOwnAtMost) {
  auto busy = greeted();
  auto other = greeted();
  Bytes flood;
  for (int i = 0; i < 2000; ++i) {
    const Bytes frame = protocol::frames::Encode(Request{.call = Call::Check, .system = 100001});
    flood.insert(flood.end(), frame.begin(), frame.end());
  }
  busy->write(flood);
  application().processEvents();  // the flood is read and its serving begins
  ASSERT_TRUE(other->call({.call = Call::Check, .system = 100001}));
  const auto served =
      std::find_if(recorder.calls.begin(), recorder.calls.end(), [](const CallRecord& r) { return r.client == 2; });
  ASSERT_NE(served, recorder.calls.end());
  EXPECT_LE(served - recorder.calls.begin(), 3) << "calls of the busy client served before the other's";
}

TEST_F(ServerTest, AClientThatSendsFarAheadOfItsRepliesIsDropped) {
  auto flooding = greeted();
  auto quiet = greeted();
  core->faults().delay = 1h;  // nothing is served: every call waits
  const Bytes frame = protocol::frames::Encode(
      Request{.call = Call::Data, .system = 100001, .bytes = Bytes(protocol::frames::kMaxData)});
  for (int i = 0; i < 20 && flooding->writeTurning(frame); ++i) {
  }
  EXPECT_TRUE(flooding->closedByServer());
  EXPECT_THAT(errors.str(), HasSubstr("(pid " + std::to_string(::getpid()) +
                                      ", raw): more than 1 MiB of calls waiting, sent before the replies"));
  EXPECT_EQ(server->clientCount(), 1u) << "the other stays";
}

TEST_F(ServerTest, AHalfSentFrameHoldsNoPlaceAndAClientTooManyIsToldWhy) {
  restart({.clients = 2, .frameTime = 50ms});
  auto idle = greeted();
  auto half = greeted();
  half->write({100, 0, 0, 0, 1});
  RawClient extra(path);
  const auto refused = extra.call({.call = Call::Hello, .version = 1, .program = "extra"});
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->result, protocol::kNoAnswer);
  EXPECT_TRUE(extra.closedByServer());
  EXPECT_THAT(errors.str(), HasSubstr("refused pid " + std::to_string(::getpid()) + ": already 2 clients\n"));

  EXPECT_TRUE(half->closedByServer());
  EXPECT_THAT(errors.str(), HasSubstr("raw): a frame not whole within 50 ms of its first byte\n"));
  EXPECT_TRUE(greeted()) << "its place is free again";
  EXPECT_TRUE(idle->call({.call = Call::Check, .system = 100001}))
      << "a client between calls may wait as long as it likes";
}

// Only a process of another user can show it: run as root, the test has one.
TEST_F(ServerTest, AProcessOfAnotherUserIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  // The socket's mode would stop it before the server could: open them up.
  ::chmod(dir.path().c_str(), 0755);
  ::chmod((dir.path() / "run").c_str(), 0755);
  ::chmod(path.c_str(), 0666);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(10);
    RawClient other(path);
    other.write(protocol::frames::Encode(Request{.call = Call::Hello, .version = 1, .program = "other"}));
    pollfd p{other.fd.get(), POLLIN, 0};
    char byte;
    if (::poll(&p, 1, 5000) != 1) ::_exit(11);
    // Closed with the hello unread: an end or a reset, never a reply.
    const ssize_t n = ::recv(other.fd.get(), &byte, 1, 0);
    ::_exit(n == 0 || (n < 0 && errno == ECONNRESET) ? 0 : 12);
  }
  int status = -1;
  EXPECT_TRUE(turnUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; }));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "closed without an answer";
  EXPECT_THAT(errors.str(), HasSubstr("a process of another user (uid 65534)"));
  ASSERT_FALSE(recorder.clients.empty());
  EXPECT_EQ(recorder.clients.back().kind, ClientEvent::Kind::Refused);
  EXPECT_EQ(recorder.calls.size(), 0u);
}

}  // namespace
}  // namespace zor::simulator
