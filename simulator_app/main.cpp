// zor-simulator: simulated ZOR marking systems served to the device link of
// every program of this user (ZORCOMM_LINK=simulator) over a Unix-domain
// socket, in a window that shows what they do. --headless runs the core
// alone, for scripts and CI.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "controller/state_file.h"
#include "controller/work_time.h"
#include "files/errno_text.h"
#include "protocol/simulator_frames.h"
#include "simulator/core.h"
#include "simulator/line_output.h"
#include "simulator/listen_socket.h"
#include "simulator/packet_log.h"
#include "simulator/server.h"
#include "simulator_app/main_window.h"
#include "simulator_app/options.h"
#include "text/translations.h"

namespace {

using namespace zor::simulator;
using namespace zor::simulator_app;

constexpr int kServed = 0;
constexpr int kCannotServe = 1;
constexpr int kUsage = 2;

int g_signalPipe[2] = {-1, -1};

// The whole text on stream, flushed; false when any of it was not written.
bool writeAll(std::FILE* stream, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

int fail(const std::string& message) {
  writeAll(stderr, "zor-simulator: " + message + "\n");
  return kCannotServe;
}

// SIGINT, SIGTERM and SIGHUP end the event loop, so that the systems save
// what they counted and the socket is removed.
bool quitOnSignals(QCoreApplication& app) {
  if (::pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] { app.quit(); });
  struct sigaction action {};
  action.sa_handler = [](int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
  };
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    if (::sigaction(signal, &action, nullptr) != 0) return false;
  return true;
}

// A standard stream the caller closed gets /dev/null opened for reading in
// its place, so that no file or socket opened later becomes standard output
// (and the ready line a write into it); writes to it fail, as a closed stream's should.
void holdClosedStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd)
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDONLY);  // the lowest free number: fd
}

// A window needs somewhere to go: an X or Wayland display, or a Qt platform
// chosen by hand (QT_QPA_PLATFORM=offscreen).
bool hasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

std::int64_t monotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int run(int argc, char** argv) {
  const auto parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    writeAll(stderr, "zor-simulator: " + error->message + " (zor-simulator --help for the options)\n");
    return kUsage;
  }
  const Options& options = std::get<Options>(parsed);
  if (options.help) return writeAll(stdout, kHelpText) ? kServed : kCannotServe;
  if (options.version) return writeAll(stdout, "zor-simulator " ZOR_VERSION "\n") ? kServed : kCannotServe;

  // A client that goes away mid-reply is the server's to notice, not a signal's.
  ::signal(SIGPIPE, SIG_IGN);
  if (!options.headless && !hasDisplay())
    return fail("no display to show the window on (DISPLAY, WAYLAND_DISPLAY); use --headless to serve without one");
  std::unique_ptr<QCoreApplication> application;
  if (options.headless) {
    application = std::make_unique<QCoreApplication>(argc, argv);
  } else {
    application = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZOR_SIMULATOR_ID));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ZOR_APP_ID)));
  }
  QCoreApplication& app = *application;
  zor::text::LoadTranslations();
  if (!quitOnSignals(app)) return fail(zor::files::errnoText("cannot catch the signals that end it"));
  // Once it serves, a standard error that nobody reads must not stop it.
  LineOutput errorLines(STDERR_FILENO);
  std::ostream errors(&errorLines);

  const std::string socketPath = options.socket.empty()
                                     ? zor::protocol::frames::DefaultSocketPath(std::getenv("XDG_RUNTIME_DIR"))
                                     : options.socket;
  if (socketPath.empty()) return fail("XDG_RUNTIME_DIR is not set to a folder; give the socket with --socket PATH");
  // First the place, so that a second simulator stops before it touches any state file.
  zor::files::Result<std::unique_ptr<ListenSocket>> opened = ListenSocket::open(socketPath);
  if (!opened) return fail(opened.why());
  std::unique_ptr<ListenSocket> place = std::move(*opened);

  const std::filesystem::path firstState = zor::controller::resolveStatePath(std::getenv);
  if (firstState.empty())
    writeAll(stderr, "zor-simulator: neither ZORCOMM_STATE, XDG_STATE_HOME nor HOME is set; no state is kept\n");
  const std::string boot = zor::controller::currentBootId();
  std::vector<std::unique_ptr<SimulatedSystem>> systems;
  for (int k = 1; k <= options.systems; ++k) {
    systems.push_back(std::make_unique<SimulatedSystem>(
        k, systemStateFile(firstState, k), zor::controller::monotonicMilliseconds, boot,
        [k, &errors](const std::string& text) { errors << "zor-simulator: system " << k << ": " << text << std::endl; },
        options.lens));
  }
  Core core(std::move(systems), monotonicNanoseconds);
  core.faults() = {.refuseSends = options.refuse,
                   .noStatus = options.noStatus,
                   .noDiscovery = options.noDiscovery,
                   .delay = std::chrono::milliseconds(options.delayMs)};
  PacketLog packetLog(errors);
  if (!options.packetLog.empty()) {
    if (auto opened = packetLog.open(options.packetLog); !opened)
      return fail("cannot use the packet log: " + opened.why());
    core.addObserver(packetLog);
  }
  FieldLog fieldLog(errors);
  if (!options.fieldLog.empty()) {
    if (auto opened = fieldLog.open(options.fieldLog); !opened)
      return fail("cannot use the field log: " + opened.why());
    core.addObserver(fieldLog);
  }

  Server server(core, errors);
  server.serve(std::move(place));
  std::unique_ptr<MainWindow> window;
  if (!options.headless) {
    window = std::make_unique<MainWindow>(core, server, QString::fromStdString(socketPath));
    window->show();
  }
  if (!writeAll(stdout, "zor-simulator: serving " + std::to_string(options.systems) +
                            (options.systems == 1 ? " system" : " systems") + " on " + socketPath + "\n"))
    return fail("cannot write to standard output");
  const int status = app.exec();
  core.saveAll();
  return status == 0 ? kServed : kCannotServe;
}

}  // namespace

int main(int argc, char** argv) {
  holdClosedStandardStreams();
  return run(argc, argv);
}
