#include "simulator_app/state_panel.h"

#include <QFormLayout>

#include "simulator/shown_text.h"

namespace zor::simulator_app {
namespace {

QString joined(const std::vector<std::string>& items, const QString& none) {
  if (items.empty()) return none;
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list.join(QStringLiteral("\n"));
}

}  // namespace

StatePanel::StatePanel(QWidget* parent) : QGroupBox(parent) {
  auto* form = new QFormLayout(this);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  identity_ = add(tr("System"));
  shutter_ = add(tr("Shutter"));
  aiming_ = add(tr("Aiming"));
  testPower_ = add(tr("Test power"));
  adjustment_ = add(tr("Adjustment open"));
  workTime_ = add(tr("Working time"));
  clients_ = add(tr("Clients (all systems)"));
  faults_ = add(tr("Faults on (all systems)"));
}

QLabel* StatePanel::add(const QString& name) {
  auto* value = new QLabel(this);
  value->setAccessibleName(name);
  value->setWordWrap(true);
  value->setTextFormat(Qt::PlainText);  // program names and model names come from outside
  static_cast<QFormLayout*>(layout())->addRow(tr("%1:", "a row's name in the state panel").arg(name), value);
  return value;
}

void StatePanel::showSystem(const simulator::SimulatedSystem& system, const simulator::Core& core) {
  const controller::ControllerModel& model = system.host().model();
  const controller::ControllerState kept = model.snapshot();
  const simulator::SystemState state = system.state();
  setTitle(tr("State of system %1 (%2)").arg(system.number()).arg(kept.serial));
  const std::string ip = std::to_string(kept.ip[0]) + "." + std::to_string(kept.ip[1]) + "." +
                         std::to_string(kept.ip[2]) + "." + std::to_string(kept.ip[3]);
  identity_->setText(tr("%1, %2, lens %3 mm, IP %4")
                         .arg(QString::number(kept.serial),
                              QString::fromStdString(simulator::visibleLatin1(kept.modelName)),
                              QString::number(kept.lens), QString::fromStdString(ip)));
  shutter_->setText(state.shutterOpen ? tr("open") : tr("closed"));
  aiming_->setText(state.aiming ? tr("on") : tr("off"));
  testPower_->setText((state.testPower ? tr("on, pulse %1") : tr("off (pulse %1)")).arg(state.pulse));
  adjustment_->setText(QString::fromStdString(simulator::adjustmentText(state)));
  workTime_->setText(tr("%1 (counting)").arg(QString::fromStdString(simulator::workTimeText(model.workSeconds()))));
  std::vector<std::string> clients;
  for (const auto& [number, client] : core.clients())
    clients.push_back(simulator::clientText(client.first, client.second));
  clients_->setText(joined(clients, tr("none")));
  faults_->setText(joined(simulator::faultTexts(core.faults()), tr("none")));
}

}  // namespace zor::simulator_app
