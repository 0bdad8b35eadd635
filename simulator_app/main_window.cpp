#include "simulator_app/main_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <set>

#include "simulator/shown_text.h"

namespace zor::simulator_app {
namespace {

constexpr int kTickMs = 1000;

}  // namespace

MainWindow::MainWindow(simulator::Core& core, simulator::Server& server, const QString& socket, QWidget* parent)
    : QMainWindow(parent), core_(core), server_(server), socket_(socket) {
  const int count = static_cast<int>(core_.systems().size());
  const QString systemsText = count == 1 ? tr("1 system") : tr("%1 systems").arg(count);
  setWindowTitle(tr("zor-simulator: %1").arg(systemsText));

  std::vector<QString> names;
  QWidget* left = makeSystemList(count, names);
  QWidget* side = makeFieldAndState();
  layOut(left, side, names);
  buildMenus();
  startShowing(systemsText);
  fitToScreen();
  core_.addObserver(*this);
}

MainWindow::~MainWindow() { core_.removeObserver(*this); }

// The list of systems to choose from, behind its label; hidden for one system.
QWidget* MainWindow::makeSystemList(int count, std::vector<QString>& names) {
  systems_ = new QListWidget;
  systems_->setAccessibleName(tr("Systems"));
  for (int k = 1; k <= count; ++k) {
    names.push_back(systemName(k));
    systems_->addItem(names.back());
  }
  auto* systemsLabel = new QLabel(tr("&Systems:"));
  systemsLabel->setBuddy(systems_);
  auto* left = new QWidget;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(systemsLabel);
  leftLayout->addWidget(systems_);
  left->setVisible(count > 1);  // one system needs no choosing
  left->setMaximumWidth(systems_->fontMetrics().horizontalAdvance(QStringLiteral("64: 100064 NZ-SIM-WIDE")) + 40);
  return left;
}

// The field, and beside it the marks and the state, in a scroll area.
QWidget* MainWindow::makeFieldAndState() {
  field_ = new FieldView;
  legend_ = new FieldLegend;
  auto* marks = new QGroupBox(tr("Marks and sizes measured"));
  (new QVBoxLayout(marks))->addWidget(legend_);
  state_ = new StatePanel;
  // Beside the field, side by side so that both show whole on a laptop's screen: the marks, the state.
  auto* side = new QWidget;
  auto* sideLayout = new QHBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(marks, 1, Qt::AlignTop);
  sideLayout->addWidget(state_, 1, Qt::AlignTop);
  auto* sideScroll = new QScrollArea;
  sideScroll->setWidget(side);
  sideScroll->setWidgetResizable(true);
  sideScroll->setFrameShape(QFrame::NoFrame);
  sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sideScroll_ = sideScroll;
  return sideScroll;
}

void MainWindow::layOut(QWidget* left, QWidget* sideScroll, const std::vector<QString>& names) {
  // The system chosen above, the monitor of every call (filtered at will) across the whole width below.
  auto* top = new QSplitter(Qt::Horizontal);
  top->addWidget(left);
  top->addWidget(field_);
  top->addWidget(sideScroll);
  top->setStretchFactor(0, 0);
  top->setStretchFactor(1, 1);
  top->setStretchFactor(2, 0);

  monitor_ = new PacketMonitor(names);
  auto* monitorBox = new QGroupBox(tr("Packet monitor"));
  (new QVBoxLayout(monitorBox))->addWidget(monitor_);
  auto* main = new QSplitter(Qt::Vertical);
  main->addWidget(top);
  main->addWidget(monitorBox);
  main->setStretchFactor(0, 3);
  main->setStretchFactor(1, 2);
  main->setSizes({560, 440});  // in proportion: a monitor of a dozen rows or more
  setCentralWidget(main);
}

// The first system shown, the clients, the status line and the ticker that keeps the state fresh.
void MainWindow::startShowing(const QString& systemsText) {
  QObject::connect(systems_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) showSystem(row + 1);
  });
  systems_->setCurrentRow(0);
  showSystem(1);
  // Eighty characters wide, or as narrow as the marks and the state of the
  // system shown can be where their names are longer (as in some languages).
  const QWidget* side = sideScroll_->widget();
  sideScroll_->setMinimumWidth(std::max(side->fontMetrics().averageCharWidth() * 80, side->minimumSizeHint().width()) +
                               sideScroll_->verticalScrollBar()->sizeHint().width());
  monitor_->setClients(core_.clients());
  statusBar()->showMessage(tr("Serving %1 on %2").arg(systemsText, socket_));

  ticker_.setInterval(kTickMs);
  QObject::connect(&ticker_, &QTimer::timeout, this, [this] { refreshState(); });
  ticker_.start();
}

void MainWindow::fitToScreen() {
  // Most of the screen, the field square as large as the height allows.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QSize available = screen->availableSize();
    resize(std::min(1500, available.width() * 9 / 10), std::min(1000, available.height() * 9 / 10));
  }
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* clearThis =
      file->addAction(tr("Clear Marks of &This System", "File menu"), this, [this] { core_.clearMarks(shown_); });
  clearThis->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  QAction* clearAll = file->addAction(tr("Clear Marks of &All Systems", "File menu"), this, [this] {
    for (int k = 1; k <= static_cast<int>(core_.systems().size()); ++k) core_.clearMarks(k);
  });
  clearAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
  file->addSeparator();
  file->addAction(tr("&Quit", "File menu"), this, [this] { close(); })->setShortcut(QKeySequence::Quit);

  QMenu* faults = menuBar()->addMenu(tr("F&aults"));
  faults->addAction(tr("&Refuse Next Packets...", "Faults menu"), this, [this] {
    bool ok = false;
    const int n = QInputDialog::getInt(this, tr("Refuse Next Packets"), tr("Packets to refuse (result 8):"),
                                       core_.faults().refuseSends, 0, 1'000'000, 1, &ok);
    if (ok) core_.faults().refuseSends = n;
    refreshState();
  });
  const auto addSwitch = [this, faults](const QString& title, bool simulator::Faults::*fault) {
    QAction* action = faults->addAction(title);
    action->setCheckable(true);
    action->setChecked(core_.faults().*fault);
    QObject::connect(action, &QAction::toggled, this, [this, fault](bool on) {
      core_.faults().*fault = on;
      refreshState();
    });
  };
  addSwitch(tr("Stop Answering &Status Queries", "Faults menu"), &simulator::Faults::noStatus);
  addSwitch(tr("Answer No &Discovery", "Faults menu"), &simulator::Faults::noDiscovery);
  faults->addAction(tr("Answer S&lowly...", "Faults menu"), this, [this] {
    bool ok = false;
    const int ms = QInputDialog::getInt(this, tr("Answer Slowly"), tr("Delay of each answer in ms (0: none):"),
                                        static_cast<int>(core_.faults().delay.count()), 0, 60'000, 50, &ok);
    if (ok) core_.faults().delay = std::chrono::milliseconds(ms);
    refreshState();
  });
  // The clients connected when the menu opens; a process with several connections goes as one.
  dropMenu_ = faults->addMenu(tr("Dro&p Client", "Faults menu"));
  QObject::connect(dropMenu_, &QMenu::aboutToShow, this, [this] {
    dropMenu_->clear();
    std::set<pid_t> listed;
    for (const auto& [number, client] : core_.clients()) {
      const pid_t pid = client.first;
      if (!listed.insert(pid).second) continue;
      dropMenu_->addAction(QString::fromStdString(simulator::clientText(pid, client.second)), this,
                           [this, pid] { server_.dropClient(pid); });
    }
    if (listed.empty()) dropMenu_->addAction(tr("No client connected"))->setEnabled(false);
  });

  QMenu* monitor = menuBar()->addMenu(tr("&Monitor"));
  monitor->addAction(&monitor_->pauseAction());
  monitor->addAction(&monitor_->clearAction());
}

QString MainWindow::systemName(int number) const {
  const controller::ControllerModel& model = system(number).host().model();
  return QString::fromStdString(std::to_string(number) + ": " + std::to_string(system(number).serial()) + " " +
                                simulator::visibleLatin1(model.snapshot().modelName));
}

void MainWindow::rename(int number) {
  const QString name = systemName(number);
  QListWidgetItem* item = systems_->item(number - 1);
  if (!item || item->text() == name) return;
  item->setText(name);
  monitor_->renameSystem(number, name);
  if (number == shown_) field_->setField(&system(number).field(), name);
}

void MainWindow::showSystem(int number) {
  if (number < 1 || number > static_cast<int>(core_.systems().size())) return;
  shown_ = number;
  if (systems_->currentRow() != number - 1) systems_->setCurrentRow(number - 1);
  field_->setField(&system(number).field(), systemName(number));
  legend_->setField(&system(number).field());
  refreshState();
}

void MainWindow::refreshState() { state_->showSystem(system(shown_), core_); }

void MainWindow::onCall(const simulator::CallRecord& record) {
  monitor_->add(record);
  if (record.number > 0) rename(record.number);
  // A refused packet counts the fault down.
  if (record.result == protocol::kFaultInjected && record.call == protocol::frames::Call::Send) refreshState();
}

void MainWindow::onClient(const simulator::ClientEvent&) {
  monitor_->setClients(core_.clients());
  refreshState();
}

void MainWindow::onState(int system, const simulator::SystemState&) {
  if (system == shown_) refreshState();
}

void MainWindow::onField(const simulator::FieldChange& change) {
  if (change.system != shown_) return;
  field_->changed();
  legend_->setField(&system(shown_).field());
}

}  // namespace zor::simulator_app
