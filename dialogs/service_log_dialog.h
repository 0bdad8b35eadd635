#pragma once
// The service log as the panel shows it: a read-only table of the logged
// operations, newest first, sorted by any column through its header.

#include <QDialog>

#include "service/service_log.h"

namespace zor::dialogs {

class ServiceLogDialog : public QDialog {
  Q_OBJECT
 public:
  enum Column { Time, FrontEnd, Serial, Model, Operation, Value, Outcome, ColumnCount };

  explicit ServiceLogDialog(const zor::service::Reading<zor::service::ServiceLogContents>& read,
                            QWidget* parent = nullptr);
};

}  // namespace zor::dialogs
