#pragma once
// "Compare/Restore Settings": a snapshot beside what the controller reports,
// setting by setting, with what a restore would send. Accepting it asks for
// the restore.

#include <QDialog>

#include "service/restore.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zor::dialogs {

class CompareRestoreDialog : public QDialog {
  Q_OBJECT
 public:
  CompareRestoreDialog(const zor::service::Snapshot& snapshot, const QString& file, zor::service::Comparison comparison,
                       QWidget* parent = nullptr);

  bool includeIdentity() const;
  bool otherSystemConfirmed() const;
  const zor::service::Comparison& comparison() const { return comparison_; }

  QTableWidget* table() const { return table_; }
  QPushButton* restoreButton() const { return restore_; }
  QCheckBox* identityBox() const { return identity_; }
  QCheckBox* otherSystemBox() const { return otherSystem_; }

 private:
  void fill();

  zor::service::Comparison comparison_;
  QTableWidget* table_ = nullptr;
  QCheckBox* identity_ = nullptr;
  QCheckBox* otherSystem_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* restore_ = nullptr;
};

// What the panel calls each setting.
QString SettingTitle(const std::string& name);

}  // namespace zor::dialogs
