#pragma once
// The packet monitor: every call served, one row each, in a table model that
// keeps the latest rows (the oldest go first), filtered by system and client,
// paused and cleared at will while the simulator goes on serving.

#include <sys/types.h>

#include <QAbstractTableModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "simulator/observer.h"

namespace zor::simulator_app {

class PacketTable : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr std::size_t kMaxRows = 50'000;
  explicit PacketTable(std::size_t maxRows = kMaxRows, QObject* parent = nullptr);

  // A call, shown at the next flush (a tenth of a second later at most, so a
  // burst of calls costs the view one update); while paused, only counted.
  void add(const simulator::CallRecord& record);
  // The calls added since the last flush become rows, the oldest rows going
  // beyond the limit.
  void flush();
  void clear();
  void setPaused(bool paused);
  bool paused() const { return paused_; }
  // Calls not taken while paused, since the last clear.
  std::uint64_t missed() const { return missed_; }
  const simulator::CallRecord& at(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::size_t maxRows_;
  std::deque<simulator::CallRecord> rows_;
  std::deque<simulator::CallRecord> pending_;
  QTimer flushTimer_;
  bool paused_ = false;
  std::uint64_t missed_ = 0;
};

// The rows of one system (discoveries, which address every system, too)
// and of one client; 0 for all.
class PacketFilter : public QSortFilterProxyModel {
 public:
  explicit PacketFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
  void setSystem(int number);
  void setClient(int client);

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  int system_ = 0;
  int client_ = 0;
};

class PacketMonitor : public QWidget {
  Q_OBJECT

 public:
  // systems: the name of each system in the system filter, by number from 1.
  PacketMonitor(const std::vector<QString>& systems, QWidget* parent = nullptr);

  void add(const simulator::CallRecord& record);
  // The clients connected now, by number: (pid, program); the client filter
  // offers them (and keeps the one chosen once it is gone).
  void setClients(const std::map<int, std::pair<pid_t, std::string>>& connected);
  void renameSystem(int number, const QString& name);

  PacketTable& table() { return table_; }
  PacketFilter& filter() { return filter_; }
  QTableView& view() { return *view_; }
  QComboBox& systemFilter() { return *systems_; }
  QComboBox& clientFilter() { return *clients_; }
  QAction& pauseAction() { return *pause_; }
  QAction& clearAction() { return *clear_; }

 private:
  void shown();  // the count of rows shown, and the pause
  // The steps of the constructor, in order: the widgets are made in the
  // order the focus goes through them.
  void makeFilters(const std::vector<QString>& systems, QLabel*& systemLabel, QLabel*& clientLabel);
  void makeActions();
  void makeView();
  void layOut(QLabel* systemLabel, QLabel* clientLabel);
  void connectParts();

  PacketTable table_;
  PacketFilter filter_;
  QTableView* view_;
  QComboBox* systems_;
  QComboBox* clients_;
  QAction* pause_;
  QAction* clear_;
  QLabel* count_;
  std::map<int, QString> clientNames_;  // every client offered, by number
  bool atEnd_ = true;                   // the view showed the last row before new ones came
};

}  // namespace zor::simulator_app
