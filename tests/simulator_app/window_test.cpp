// zor-simulator's window on the offscreen platform, for what only its widgets
// show: the packet monitor's rows, its filters and pause, the client list,
// and the field view's accessible description as the field changes. The core
// is served directly, on a clock of the test's own.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFont>
#include <QMenuBar>
#include <sstream>

#include "protocol/zor_protocol.h"
#include "simulator/shown_text.h"
#include "simulator_app/main_window.h"
#include "tests/support/bracketed_texts.h"
#include "tests/support/controller_test_util.h"

namespace zor::simulator {
namespace {

using protocol::frames::Call;

class WindowTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::int64_t nowNs = 1'000'000'000;
  std::ostringstream errors;
  std::unique_ptr<simulator::Core> core;
  std::unique_ptr<simulator::Server> server;
  std::unique_ptr<simulator_app::MainWindow> window;

  void SetUp() override {
    std::vector<std::unique_ptr<simulator::SimulatedSystem>> systems;
    for (int k = 1; k <= 2; ++k)
      systems.push_back(std::make_unique<simulator::SimulatedSystem>(
          k, simulator::systemStateFile(dir.path() / "state", k), [this] { return nowNs / 1'000'000; }, "boot",
          [](const std::string&) {}));
    core = std::make_unique<simulator::Core>(std::move(systems), [this] { return nowNs; });
    server = std::make_unique<simulator::Server>(*core, errors);
    window = std::make_unique<simulator_app::MainWindow>(*core, *server, "/tmp/socket");
  }
  int client(pid_t pid, const std::string& program) {
    const int c = core->connect(pid, ::geteuid());
    serve(c, {.call = Call::Hello, .version = 1, .program = program});
    return c;
  }
  void serve(int c, const protocol::frames::Request& request) {
    const auto reply = core->serve(c, request, nowNs);
    ASSERT_TRUE(reply) << reply.why();
  }
  void send(int c, std::int32_t system, std::uint8_t code, int pauseMs = 100) {
    serve(c, {.call = Call::Send, .system = system, .bytes = {0xFF, 0xFF, code, 0}});
    nowNs += std::int64_t{pauseMs} * 1'000'000;
  }
  simulator_app::PacketMonitor& monitor() { return window->monitor(); }
  // The monitor's rows as the view shows them: "client code" each.
  std::vector<std::string> shownRows() {
    monitor().table().flush();
    std::vector<std::string> rows;
    const QAbstractItemModel& model = monitor().filter();
    for (int row = 0; row < model.rowCount(); ++row)
      rows.push_back(
          model.index(row, static_cast<int>(simulator::MonitorColumn::Client)).data().toString().toStdString() + " " +
          model.index(row, static_cast<int>(simulator::MonitorColumn::Code)).data().toString().toStdString());
    return rows;
  }
  void choose(QComboBox& box, int data) { box.setCurrentIndex(box.findData(data)); }
  // The menus' entry of that text, or null.
  QAction* menuEntry(const QString& text) {
    for (QAction* menu : window->menuBar()->actions())
      for (QAction* entry : menu->menu()->actions())
        if (entry->text() == text) return entry;
    return nullptr;
  }
};

// Every text of the window goes through the translation system: built while
// every translation comes back bracketed, it shows none without brackets but
// the values (the systems' and the client's names, the aiming dot's place).
TEST_F(WindowTest, EveryTextShownIsTranslated) {
  const test::Bracketing bracketing;
  const int c = client(11, "zorctl");
  send(c, 100001, protocol::CMD_AIMING_ON);
  send(c, 100001, protocol::CMD_MARK_ORIGINAL_SQUARE);
  core->faults() = {.refuseSends = 2, .noStatus = true, .noDiscovery = true, .delay = std::chrono::milliseconds(5)};
  window = std::make_unique<simulator_app::MainWindow>(*core, *server, "/tmp/socket");
  QStringList values = {QStringLiteral("zorctl (pid 11)"), QStringLiteral("x 0.00 mm, y 0.00 mm")};
  const QListWidget& systems = *window->findChild<QListWidget*>();
  for (int i = 0; i < systems.count(); ++i) values << systems.item(i)->text();
  EXPECT_EQ(test::Unbracketed(*window, values).join(u'\n').toStdString(), "");
}

TEST_F(WindowTest, TheMonitorFiltersBySystemAndClient) {
  const int a = client(11, "zorctl");
  const int b = client(22, "panel");
  serve(a, {.call = Call::Find});
  send(a, 100001, protocol::CMD_SHUTTER_OPEN);
  send(b, 100002, protocol::CMD_SHUTTER_CLOSE);
  send(b, 100001, protocol::CMD_AIMING_ON);
  const std::vector<std::string> all = {"zorctl (pid 11) ", "zorctl (pid 11) CMD_SHUTTER_OPEN (0x87)",
                                        "panel (pid 22) CMD_SHUTTER_CLOSE (0x86)",
                                        "panel (pid 22) CMD_AIMING_ON (0x90)"};
  EXPECT_EQ(shownRows(), all);
  choose(monitor().systemFilter(), 2);
  EXPECT_EQ(shownRows(), (std::vector<std::string>{all[0], all[2]})) << "a discovery addresses every system";
  choose(monitor().clientFilter(), b);
  EXPECT_EQ(shownRows(), (std::vector<std::string>{all[2]}));
  choose(monitor().systemFilter(), 0);
  EXPECT_EQ(shownRows(), (std::vector<std::string>{all[2], all[3]}));
}

TEST_F(WindowTest, TheClientFilterFollowsTheConnectionsAndKeepsTheOneChosen) {
  const int a = client(11, "zorctl");
  const int b = client(22, "evil\x1b[2J");
  QComboBox& clients = monitor().clientFilter();
  ASSERT_EQ(clients.count(), 3);
  EXPECT_EQ(clients.itemText(2).toStdString(), "evil\\x1B[2J (pid 22)");
  choose(clients, a);
  core->disconnect(a, simulator::ClientEvent::Kind::Disconnected);
  core->disconnect(b, simulator::ClientEvent::Kind::Dropped, "dropped on request");
  ASSERT_EQ(clients.count(), 2) << "the one gone and not chosen leaves the list";
  EXPECT_EQ(clients.currentText().toStdString(), "zorctl (pid 11) (gone)");
  EXPECT_EQ(clients.currentData().toInt(), a);
}

TEST_F(WindowTest, TheMonitorKeepsTheLatestRowsTakesNoneWhilePausedAndMarksAShortPause) {
  simulator_app::PacketTable table(3);
  const std::int32_t results[] = {1, 2, 3, 4, 5};
  for (const std::int32_t result : results) table.add({.call = Call::Send, .result = result});
  table.flush();
  ASSERT_EQ(table.rowCount(), 3);
  EXPECT_EQ(table.at(0).result, 3) << "the oldest went";
  table.setPaused(true);
  table.add({.result = 6});
  table.flush();
  EXPECT_EQ(table.rowCount(), 3);
  EXPECT_EQ(table.missed(), 1u);
  table.setPaused(false);
  table.add({.call = Call::Send, .pauseMs = 20.0, .shortPause = true, .pauseNeededMs = 100});
  table.flush();
  const QModelIndex pause = table.index(2, static_cast<int>(simulator::MonitorColumn::Pause));
  EXPECT_EQ(pause.data().toString(), "20.0 ms SHORT (100 needed)") << "marked in words";
  EXPECT_TRUE(pause.data(Qt::BackgroundRole).isValid()) << "and in colour";
  EXPECT_TRUE(pause.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(table.index(1, static_cast<int>(simulator::MonitorColumn::Pause)).data(Qt::BackgroundRole).isValid());
  table.clear();
  EXPECT_EQ(table.rowCount(), 0);
}

TEST_F(WindowTest, TheFieldViewSaysWhatItDrawsAsItChanges) {
  const int c = client(11, "zorctl");
  simulator_app::FieldView& field = window->fieldView();
  EXPECT_EQ(field.accessibleName().toStdString(), "Scan field of 1: 100001 NZ-SIM");
  EXPECT_EQ(field.accessibleDescription().toStdString(), "Scan field 110.03 mm square. Nothing marked.");
  send(c, 100001, protocol::CMD_MARK_ORIGINAL_SQUARE);
  EXPECT_EQ(field.accessibleDescription().toStdString(), core->systems()[0]->field().describe());
  EXPECT_NE(field.accessibleDescription().indexOf("Original square marked 55.79 mm wide"), -1);
  send(c, 100002, protocol::CMD_AIMING_ON);  // another system's field, not the one shown
  EXPECT_EQ(field.accessibleDescription().indexOf("Aiming"), -1);

  window->showSystem(2);
  EXPECT_EQ(field.accessibleName().toStdString(), "Scan field of 2: 100002 NZ-SIM");
  EXPECT_NE(field.accessibleDescription().indexOf("Aiming dot"), -1);
  window->showSystem(1);
  QAction* clear = menuEntry("Clear Marks of &This System");
  ASSERT_TRUE(clear);
  clear->trigger();
  EXPECT_EQ(field.accessibleDescription().toStdString(), "Scan field 110.03 mm square. Nothing marked.");
}

// Each switch of the Faults menu turns its own fault on and off.
TEST_F(WindowTest, EachFaultSwitchTurnsItsOwnFault) {
  const struct {
    const char* entry;
    bool simulator::Faults::*fault;
    bool simulator::Faults::*other;
  } switches[] = {
      {"Stop Answering &Status Queries", &simulator::Faults::noStatus, &simulator::Faults::noDiscovery},
      {"Answer No &Discovery", &simulator::Faults::noDiscovery, &simulator::Faults::noStatus},
  };
  for (const auto& s : switches) {
    QAction* entry = menuEntry(s.entry);
    ASSERT_TRUE(entry) << s.entry;
    entry->trigger();
    EXPECT_TRUE(core->faults().*s.fault) << s.entry;
    EXPECT_FALSE(core->faults().*s.other) << s.entry;
    entry->trigger();
    EXPECT_FALSE(core->faults().*s.fault) << s.entry;
  }
}

}  // namespace
}  // namespace zor::simulator
