#pragma once
// Several marking systems answered: the user picks the one the panel works
// with. One row per system (serial number in decimal, name, address), the
// one the panel is on preselected; arrows move, Enter picks, Esc cancels.

#include <QDialog>
#include <optional>
#include <span>

#include "link/found_systems.h"

class QListWidget;

namespace zor::dialogs {

class SystemChooser : public QDialog {
  Q_OBJECT
 public:
  // current: the row preselected (the first when nothing).
  SystemChooser(std::span<const zor::link::FoundSystem> systems, std::optional<std::size_t> current,
                QWidget* parent = nullptr);

  // The row picked, once the dialog was accepted; nothing otherwise.
  std::optional<std::size_t> chosen() const;

  // "100002   NZ-SIM   192.168.1.11", the name's control characters shown as escapes.
  static QString RowText(const zor::link::FoundSystem& system);

 private:
  QListWidget* list_;
};

}  // namespace zor::dialogs
