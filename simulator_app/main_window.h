#pragma once
// zor-simulator's window: the simulated systems in a list beside one view of
// the system chosen (its scan field to scale with the sizes measured, its
// state at a glance) above the packet monitor of every call served; the
// menus clear marks and turn faults on and off. It observes the core and
// draws what the core holds; the logic stays in the window-free core.

#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QScrollArea>
#include <QTimer>

#include "simulator/core.h"
#include "simulator/server.h"
#include "simulator_app/field_view.h"
#include "simulator_app/packet_monitor.h"
#include "simulator_app/state_panel.h"

namespace zor::simulator_app {

class MainWindow : public QMainWindow, public simulator::Observer {
  Q_OBJECT

 public:
  // socket: where the server serves, for the title and the status bar.
  MainWindow(simulator::Core& core, simulator::Server& server, const QString& socket, QWidget* parent = nullptr);
  ~MainWindow() override;

  void onCall(const simulator::CallRecord& record) override;
  void onClient(const simulator::ClientEvent& event) override;
  void onState(int system, const simulator::SystemState& state) override;
  void onField(const simulator::FieldChange& change) override;

  // The system shown, by number from 1.
  int shownSystem() const { return shown_; }
  void showSystem(int number);
  // The state panel anew (the working time counts each second).
  void refreshState();

  QListWidget& systemList() { return *systems_; }
  FieldView& fieldView() { return *field_; }
  FieldLegend& legend() { return *legend_; }
  StatePanel& statePanel() { return *state_; }
  PacketMonitor& monitor() { return *monitor_; }

 private:
  // The steps of the constructor, in order.
  QWidget* makeSystemList(int count, std::vector<QString>& names);
  QWidget* makeFieldAndState();
  void layOut(QWidget* left, QWidget* sideScroll, const std::vector<QString>& names);
  void buildMenus();
  void startShowing(const QString& systemsText);
  void fitToScreen();
  // A system's name anew where it shows, when a call changed it (a serial or model name set).
  void rename(int number);
  QString systemName(int number) const;
  simulator::SimulatedSystem& system(int number) const {
    return *core_.systems().at(static_cast<std::size_t>(number - 1));
  }

  simulator::Core& core_;
  simulator::Server& server_;
  int shown_ = 1;
  QListWidget* systems_;
  FieldView* field_;
  FieldLegend* legend_;
  StatePanel* state_;
  PacketMonitor* monitor_;
  QScrollArea* sideScroll_ = nullptr;
  QMenu* dropMenu_ = nullptr;
  QTimer ticker_;
  QString socket_;
};

}  // namespace zor::simulator_app
