// Renders zor-simulator's window after a short tour into a PNG file, for
// looking at the layout and for the README's screenshot:
//   simulator_snapshot OUT.png [SYSTEMS] [WIDTHxHEIGHT]
// Set QT_SCALE_FACTOR for other scales. The systems keep their state in a
// temporary folder; two clients (zorctl and the panel) make the calls on a
// clock of the tool's own, so the pauses are as written here.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "simulator/core.h"
#include "simulator/server.h"
#include "simulator_app/main_window.h"
#include "text/translations.h"

using namespace zor;
using namespace zor::protocol;
using namespace zor::simulator;
using zor::simulator_app::MainWindow;

namespace {

// One call of the tour; a refused one says so, since the picture then lacks it.
void call(Core& core, int client, const zor::protocol::frames::Request& request, std::int64_t now) {
  if (const auto reply = core.serve(client, request, now); !reply)
    std::cerr << "simulator_snapshot: a call was refused: " << reply.why() << "\n";
}

struct Tour {
  Core& core;
  std::int64_t& now;
  int client;
  std::int32_t system;

  void wait(int ms) { now += std::int64_t{ms} * 1'000'000; }
  void send(std::uint8_t code, std::uint8_t value = 0, int pauseMs = 100) {
    call(core, client,
         {.call = zor::protocol::frames::Call::Send, .system = system, .bytes = {0xFF, 0xFF, code, value}}, now);
    wait(pauseMs);
  }
  void text(std::uint8_t code, const std::string& value, int pauseMs = 100) {
    for (const char c : value) send(CMD_TEXT_CHAR, static_cast<std::uint8_t>(c), pauseMs);
    send(CMD_TEXT_CHAR, 0, pauseMs);
    send(code);
  }
  void status(int code) {
    call(core, client, {.call = zor::protocol::frames::Call::Status, .system = system, .code = code, .length = 64},
         now);
    wait(50);
  }
};

int hello(Core& core, std::int64_t now, pid_t pid, const char* program) {
  const int client = core.connect(pid, ::geteuid());
  call(core, client, {.call = zor::protocol::frames::Call::Hello, .version = 1, .program = program}, now);
  call(core, client, {.call = zor::protocol::frames::Call::Find}, now);
  return client;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zor::text::LoadTranslations();
  if (argc < 2) {
    std::cerr << "usage: simulator_snapshot OUT.png [SYSTEMS] [WIDTHxHEIGHT]\n";
    return 2;
  }
  const int count = argc > 2 ? std::max(1, std::min(64, std::atoi(argv[2]))) : 3;
  int width = 1400, height = 900;
  if (argc > 3) std::sscanf(argv[3], "%dx%d", &width, &height);
  QTemporaryDir state;
  std::int64_t now = 1'000'000'000;
  std::vector<std::unique_ptr<SimulatedSystem>> systems;
  for (int k = 1; k <= count; ++k)
    systems.push_back(std::make_unique<SimulatedSystem>(
        k, systemStateFile(QDir(state.path()).filePath("controller-state").toStdString(), k),
        [&now] { return now / 1'000'000; }, "", [](const std::string&) {}));
  Core core(std::move(systems), [&now] { return now; });
  std::ostringstream errors;
  Server server(core, errors);
  MainWindow window(core, server, QStringLiteral("/run/user/1000/zor-simulator/socket"));
  window.resize(width, height);
  window.show();

  // zorctl marks the uncorrected square, the technician measures it and sets the scale.
  Tour zorctl{core, now, hello(core, now, 4242, "zorctl"), 100001};
  zorctl.send(CMD_MARK_ORIGINAL_SQUARE);
  zorctl.text(CMD_SET_X_SCALE, "0.98602");
  zorctl.text(CMD_SET_Y_SCALE, "1.01596");
  zorctl.send(CMD_MARK_CORRECTED_SQUARE);
  zorctl.send(CMD_MOVE_TO_X, 200, 200);
  zorctl.send(CMD_MOVE_TO_Y, 60, 200);
  // The panel reads, aims and aligns; one text of a script without pauses.
  Tour panel{core, now, hello(core, now, 4711, "zor-maintenance"), 100001};
  panel.status(CMD_GET_SYSTEM_INFO);
  panel.status(CMD_GET_XY_SCALE);
  panel.send(CMD_AIMING_ON);
  panel.send(CMD_AIM_ALIGN_BEGIN);
  for (int i = 0; i < 40; ++i) panel.send(CMD_JOG_UP, 0, 10);
  panel.send(CMD_AIM_ALIGN_NEXT_POINT);
  for (int i = 0; i < 30; ++i) panel.send(CMD_JOG_LEFT, 0, 10);
  panel.text(CMD_SET_LENS, "163", 20);
  core.faults().refuseSends = 2;

  window.monitor().table().flush();
  window.refreshState();
  app.processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "simulator_snapshot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
