#include "simulator_app/packet_monitor.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "simulator/shown_text.h"

namespace zor::simulator_app {
namespace {

constexpr int kFlushMs = 100;

simulator::MonitorColumn columnOf(int column) { return static_cast<simulator::MonitorColumn>(column); }

}  // namespace

PacketTable::PacketTable(std::size_t maxRows, QObject* parent) : QAbstractTableModel(parent), maxRows_(maxRows) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushMs);
  QObject::connect(&flushTimer_, &QTimer::timeout, this, [this] { flush(); });
}

void PacketTable::add(const simulator::CallRecord& record) {
  if (paused_) {
    ++missed_;
    return;
  }
  // More than a full table waiting would only be dropped again.
  if (pending_.size() == maxRows_) pending_.pop_front();
  pending_.push_back(record);
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void PacketTable::flush() {
  flushTimer_.stop();
  if (pending_.empty()) return;
  const std::size_t over = rows_.size() + pending_.size() > maxRows_ ? rows_.size() + pending_.size() - maxRows_ : 0;
  if (over > 0) {
    const std::size_t dropped = std::min(over, rows_.size());
    beginRemoveRows({}, 0, static_cast<int>(dropped) - 1);
    rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(dropped));
    endRemoveRows();
  }
  const int first = static_cast<int>(rows_.size());
  beginInsertRows({}, first, first + static_cast<int>(pending_.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()));
  endInsertRows();
  pending_.clear();
}

void PacketTable::clear() {
  beginResetModel();
  rows_.clear();
  pending_.clear();
  missed_ = 0;
  endResetModel();
}

void PacketTable::setPaused(bool paused) {
  if (paused) flush();  // what came before the pause is shown
  paused_ = paused;
}

int PacketTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PacketTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : simulator::kMonitorColumns;
}

QVariant PacketTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) return {};
  const simulator::CallRecord& record = rows_[static_cast<std::size_t>(index.row())];
  const simulator::MonitorColumn column = columnOf(index.column());
  const bool markedPause = column == simulator::MonitorColumn::Pause && record.shortPause;
  const bool failed =
      column == simulator::MonitorColumn::Result && record.result != 0 && record.call != protocol::frames::Call::Find;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(simulator::monitorCell(record, column));
    case Qt::BackgroundRole:
      if (markedPause) return QBrush(QColor(0xff, 0xc8, 0x70));
      if (failed) return QBrush(QColor(0xf4, 0xb6, 0xb6));
      return {};
    case Qt::ForegroundRole:
      // Dark text on the marking colours, whatever the palette.
      return markedPause || failed ? QBrush(Qt::black) : QVariant();
    case Qt::FontRole:
      if (markedPause) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::TextAlignmentRole:
      if (column == simulator::MonitorColumn::Time || column == simulator::MonitorColumn::Pause)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant PacketTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= simulator::kMonitorColumns)
    return {};
  return QCoreApplication::translate("zor::simulator::ShownText", simulator::monitorTitle(columnOf(section)));
}

// A filter chosen anew lays the rows out afresh at once: told row by row,
// thousands of rows left out here and there would each be a change of its own.
void PacketFilter::setSystem(int number) {
  system_ = number;
  invalidate();
}

void PacketFilter::setClient(int client) {
  client_ = client;
  invalidate();
}

bool PacketFilter::filterAcceptsRow(int row, const QModelIndex&) const {
  const simulator::CallRecord& record = static_cast<const PacketTable*>(sourceModel())->at(row);
  if (client_ != 0 && record.client != client_) return false;
  return system_ == 0 || record.number == system_ || record.call == protocol::frames::Call::Find;
}

PacketMonitor::PacketMonitor(const std::vector<QString>& systems, QWidget* parent) : QWidget(parent) {
  filter_.setSourceModel(&table_);
  QLabel* systemLabel = nullptr;
  QLabel* clientLabel = nullptr;
  makeFilters(systems, systemLabel, clientLabel);
  makeActions();
  makeView();
  layOut(systemLabel, clientLabel);
  connectParts();
  shown();
}

// The two filters, each behind its label.
void PacketMonitor::makeFilters(const std::vector<QString>& systems, QLabel*& systemLabel, QLabel*& clientLabel) {
  systems_ = new QComboBox(this);
  systems_->setAccessibleName(tr("Show the calls of system"));
  systems_->addItem(tr("All systems"), 0);
  for (std::size_t i = 0; i < systems.size(); ++i) systems_->addItem(systems[i], static_cast<int>(i + 1));
  clients_ = new QComboBox(this);
  clients_->setAccessibleName(tr("Show the calls of client"));
  clients_->addItem(tr("All clients"), 0);
  clients_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  systemLabel = new QLabel(tr("S&ystem:"), this);
  systemLabel->setBuddy(systems_);
  clientLabel = new QLabel(tr("C&lient:"), this);
  clientLabel->setBuddy(clients_);
}

void PacketMonitor::makeActions() {
  pause_ = new QAction(tr("&Pause Monitor"), this);
  pause_->setCheckable(true);
  pause_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  pause_->setToolTip(tr("Stop taking calls into the monitor; the simulator goes on serving"));
  clear_ = new QAction(tr("&Clear Monitor"), this);
  clear_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
}

// The count of calls shown and the table of them.
void PacketMonitor::makeView() {
  count_ = new QLabel(this);
  count_->setAccessibleName(tr("Calls shown"));

  view_ = new QTableView(this);
  view_->setAccessibleName(tr("Packet monitor"));
  view_->setModel(&filter_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setWordWrap(false);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->hide();
  // One fixed row height: the view never measures its rows, however many.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for what each column usually holds; the tooltip has it all.
  const char* samples[simulator::kMonitorColumns] = {
      "0000.000", "zor-maintenance (pid 0000)", "ZORSystemCheckStatus", "CMD_GET_SYSTEM_INFO (0x00)", "000 (0x00)",
      "0.000000", "00 00 00 00 00 00",          "0 (none found)",       "000.0 ms SHORT (000 needed)"};
  for (int c = 0; c < simulator::kMonitorColumns; ++c)
    view_->setColumnWidth(c, view_->fontMetrics().horizontalAdvance(QString::fromUtf8(samples[c])) + 16);
}

// The filters and buttons in one bar above the table; the buttons are made
// here, after the table, so the focus reaches them after it.
void PacketMonitor::layOut(QLabel* systemLabel, QLabel* clientLabel) {
  auto button = [this](QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
  };
  auto* bar = new QHBoxLayout;
  bar->addWidget(systemLabel);
  bar->addWidget(systems_);
  bar->addWidget(clientLabel);
  bar->addWidget(clients_);
  bar->addWidget(button(pause_));
  bar->addWidget(button(clear_));
  bar->addWidget(count_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(view_);
}

void PacketMonitor::connectParts() {
  QObject::connect(systems_, &QComboBox::currentIndexChanged, this,
                   [this] { filter_.setSystem(systems_->currentData().toInt()); });
  QObject::connect(clients_, &QComboBox::currentIndexChanged, this,
                   [this] { filter_.setClient(clients_->currentData().toInt()); });
  QObject::connect(pause_, &QAction::toggled, this, [this](bool on) {
    table_.setPaused(on);
    shown();
  });
  QObject::connect(clear_, &QAction::triggered, this, [this] { table_.clear(); });
  // New rows: follow them when the view was at its end, as a log viewer does.
  auto* scroll = view_->verticalScrollBar();
  QObject::connect(&table_, &QAbstractItemModel::rowsAboutToBeInserted, this,
                   [this, scroll] { atEnd_ = scroll->value() == scroll->maximum(); });
  QObject::connect(&table_, &QAbstractItemModel::rowsInserted, this, [this] {
    if (atEnd_) view_->scrollToBottom();
    shown();
  });
  QObject::connect(&table_, &QAbstractItemModel::rowsRemoved, this, [this] { shown(); });
  QObject::connect(&table_, &QAbstractItemModel::modelReset, this, [this] { shown(); });
  QObject::connect(&filter_, &QAbstractItemModel::layoutChanged, this, [this] { shown(); });
  QObject::connect(&filter_, &QAbstractItemModel::rowsRemoved, this, [this] { shown(); });
  QObject::connect(&filter_, &QAbstractItemModel::rowsInserted, this, [this] { shown(); });
}

void PacketMonitor::add(const simulator::CallRecord& record) {
  table_.add(record);
  if (table_.paused()) shown();
}

void PacketMonitor::setClients(const std::map<int, std::pair<pid_t, std::string>>& connected) {
  const int chosen = clients_->currentData().toInt();
  std::map<int, QString> offered;
  for (const auto& [number, client] : connected)
    offered[number] = QString::fromStdString(simulator::clientText(client.first, client.second));
  if (chosen != 0 && !offered.count(chosen)) {
    //: A client no longer connected, still chosen in the filter; %1 (its name) stays first.
    const QString gone = tr("%1 (gone)");
    const QString& name = clientNames_.at(chosen);
    offered[chosen] = name.endsWith(gone.arg(QString())) ? name : gone.arg(name);
  }
  if (offered == clientNames_) return;
  clientNames_ = offered;
  const QSignalBlocker quiet(clients_);  // the choice stays as it is
  while (clients_->count() > 1) clients_->removeItem(1);
  for (const auto& [number, name] : clientNames_) {
    clients_->addItem(name, number);
    if (number == chosen) clients_->setCurrentIndex(clients_->count() - 1);
  }
}

void PacketMonitor::renameSystem(int number, const QString& name) {
  if (number > 0 && number < systems_->count()) systems_->setItemText(number, name);
}

void PacketMonitor::shown() {
  const QLocale locale;
  const QString shownRows = locale.toString(filter_.rowCount());
  const QString allRows = locale.toString(table_.rowCount());
  count_->setText(table_.paused()
                      ? tr("%1 of %2 calls shown; paused, %3 calls not taken")
                            .arg(shownRows, allRows, locale.toString(static_cast<qulonglong>(table_.missed())))
                      : tr("%1 of %2 calls shown").arg(shownRows, allRows));
}

}  // namespace zor::simulator_app
