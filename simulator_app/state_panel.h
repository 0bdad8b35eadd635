#pragma once
// The state of one simulated system at a glance: its identity, shutter,
// aiming, test power and pulse, the adjustment open, the working time as it
// counts; and what the whole simulator serves: the clients connected and
// the faults that are on.

#include <QGroupBox>
#include <QLabel>
#include <map>
#include <string>
#include <utility>

#include "simulator/core.h"

namespace zor::simulator_app {

class StatePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit StatePanel(QWidget* parent = nullptr);

  // Every value anew, from what the system and the core hold now.
  void showSystem(const simulator::SimulatedSystem& system, const simulator::Core& core);

 private:
  QLabel* add(const QString& name);

  QLabel* identity_;
  QLabel* shutter_;
  QLabel* aiming_;
  QLabel* testPower_;
  QLabel* adjustment_;
  QLabel* workTime_;
  QLabel* clients_;
  QLabel* faults_;
};

}  // namespace zor::simulator_app
