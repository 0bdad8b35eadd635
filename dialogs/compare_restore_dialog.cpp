#include "dialogs/compare_restore_dialog.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/outcome_view.h"
#include "service/messages.h"

namespace zor::dialogs {

namespace svc = zor::service;

namespace {

QString PlanText(svc::RestorePlan plan) {
  switch (plan) {
    case svc::RestorePlan::Send:
      return CompareRestoreDialog::tr("Restore");
    case svc::RestorePlan::Same:
      return CompareRestoreDialog::tr("Same");
    case svc::RestorePlan::NotInFile:
      return CompareRestoreDialog::tr("Not in the file");
    case svc::RestorePlan::NeedsIdentity:
      return CompareRestoreDialog::tr("Differs (identity value)");
    case svc::RestorePlan::ShownOnly:
      return CompareRestoreDialog::tr("Never restored");
    case svc::RestorePlan::NotOnFamily:
      return CompareRestoreDialog::tr("Not on this family");
  }
  return {};
}

QString Value(const std::optional<std::u16string>& text, const QString& none) {
  return text ? zor::dialogs::qstr(*text) : none;
}

}  // namespace

QString SettingTitle(const std::string& name) {
  const svc::Setting* setting = svc::FindSetting(name);
  return setting != nullptr ? svc::SettingTitleText(setting->title).local() : QString::fromStdString(name);
}

CompareRestoreDialog::CompareRestoreDialog(const svc::Snapshot& snapshot, const QString& file,
                                           svc::Comparison comparison, QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)) {
  setWindowTitle(tr("Compare/Restore Settings"));
  auto* layout = new QVBoxLayout(this);

  const QDateTime taken = QDateTime::fromString(QString::fromStdString(snapshot.time), Qt::ISODate);
  const QString when = taken.isValid() ? QLocale().toString(taken.toLocalTime(), QLocale::ShortFormat)
                                       : QString::fromStdString(snapshot.time);
  const QString source = snapshot.identity ? tr("Snapshot %1, taken %2 from marking system %3 (%4).")
                                                 .arg(file, when, QString::number(snapshot.identity->info.serial),
                                                      zor::dialogs::qstr(snapshot.identity->info.model))
                                           : tr("Snapshot %1, taken %2.").arg(file, when);
  auto* header = new QLabel(source, this);
  header->setWordWrap(true);
  layout->addWidget(header);

  table_ = new QTableWidget(this);
  table_->setAccessibleName(tr("Settings on the controller and in the file"));
  table_->setColumnCount(4);
  table_->setHorizontalHeaderLabels({tr("Setting"), tr("On the controller"), tr("In the file"), tr("Restore")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  // As large as its rows and columns: the window grows with them, up to the
  // screen (below), and the table scrolls beyond.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  layout->addWidget(table_);

  identity_ = new QCheckBox(tr("&Also restore the serial number, model name and controller model "
                               "(asks for the service password)"),
                            this);
  layout->addWidget(identity_);
  connect(identity_, &QCheckBox::toggled, this, [this](bool on) {
    svc::IncludeIdentity(comparison_, on);
    fill();
  });

  if (comparison_.otherSystem()) {
    const QString from = comparison_.fileSerial ? tr("marking system %1").arg(*comparison_.fileSerial)
                                                : tr("a marking system whose identity is not in it");
    const QString to =
        comparison_.controllerSerial ? QString::number(*comparison_.controllerSerial) : tr("not identified");
    otherSystem_ = new QCheckBox(
        tr("The snapshot comes from %1; this one is %2. Restore &onto this system anyway").arg(from, to), this);
    layout->addWidget(otherSystem_);
    connect(otherSystem_, &QCheckBox::toggled, this, &CompareRestoreDialog::fill);
  }

  summary_ = new QLabel(this);
  layout->addWidget(summary_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  restore_ = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
  // Closing is the safe default: Enter does not restore by accident.
  buttons->button(QDialogButtonBox::Close)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  fill();
  // Up to nine tenths of the screen: the rest is room for the window's frame,
  // which is not known before the window is shown.
  const QSize room = screen()->availableGeometry().size() * 9 / 10;
  resize(sizeHint().expandedTo(QSize(680, 0)).boundedTo(room));
}

bool CompareRestoreDialog::includeIdentity() const { return identity_->isChecked(); }

bool CompareRestoreDialog::otherSystemConfirmed() const { return otherSystem_ != nullptr && otherSystem_->isChecked(); }

void CompareRestoreDialog::fill() {
  const auto& rows = comparison_.rows;
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const svc::SettingComparison& row = rows[static_cast<std::size_t>(r)];
    QString plan = PlanText(row.plan);
    if (!row.controller && (row.plan == svc::RestorePlan::Send || row.plan == svc::RestorePlan::NeedsIdentity))
      plan = tr("%1 (not read)").arg(plan);
    const QString notRead = row.readOnFamily ? tr("(could not be read)") : tr("(not on this family)");
    const QString cells[] = {SettingTitle(row.name), Value(row.controller, notRead),
                             Value(row.file, tr("(not in the file)")), plan};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      QFont font = item->font();
      font.setBold(row.plan == svc::RestorePlan::Send);
      item->setFont(font);
      table_->setItem(r, c, item);
    }
  }
  const int toSend = comparison_.toSend();
  const bool blocked = comparison_.otherSystem() && !otherSystemConfirmed();
  summary_->setText(toSend == 0 ? tr("The controller already holds every value of the file that a restore would send.")
                    : toSend == 1 ? tr("1 setting would be sent.")
                                  : tr("%1 settings would be sent.").arg(toSend));
  restore_->setEnabled(toSend > 0 && !blocked);
}

}  // namespace zor::dialogs
