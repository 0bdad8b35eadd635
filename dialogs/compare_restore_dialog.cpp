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

namespace zor::dialogs {

namespace svc = zor::service;

namespace {

QString PlanText(svc::RestorePlan plan) {
  switch (plan) {
    case svc::RestorePlan::Send:
      return QStringLiteral("Restore");
    case svc::RestorePlan::Same:
      return QStringLiteral("Same");
    case svc::RestorePlan::NotInFile:
      return QStringLiteral("Not in the file");
    case svc::RestorePlan::NeedsIdentity:
      return QStringLiteral("Differs (identity value)");
    case svc::RestorePlan::ShownOnly:
      return QStringLiteral("Never restored");
    case svc::RestorePlan::NotOnFamily:
      return QStringLiteral("Not on this family");
  }
  return {};
}

QString Value(const std::optional<std::u16string>& text, const QString& none) {
  return text ? zor::dialogs::qstr(*text) : none;
}

}  // namespace

QString SettingTitle(const std::string& name) {
  const svc::Setting* setting = svc::FindSetting(name);
  return setting != nullptr ? zor::dialogs::qstr(setting->title) : QString::fromStdString(name);
}

CompareRestoreDialog::CompareRestoreDialog(const svc::Snapshot& snapshot, const QString& file,
                                           svc::Comparison comparison, QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)) {
  setWindowTitle(QStringLiteral("Compare/Restore Settings"));
  auto* layout = new QVBoxLayout(this);

  const QDateTime taken = QDateTime::fromString(QString::fromStdString(snapshot.time), Qt::ISODate);
  QString source = QStringLiteral("Snapshot %1, taken %2")
                       .arg(file, taken.isValid() ? QLocale().toString(taken.toLocalTime(), QLocale::ShortFormat)
                                                  : QString::fromStdString(snapshot.time));
  if (snapshot.identity) {
    source += QStringLiteral(" from marking system %1 (%2)")
                  .arg(snapshot.identity->info.serial)
                  .arg(zor::dialogs::qstr(snapshot.identity->info.model));
  }
  auto* header = new QLabel(source + QLatin1Char('.'), this);
  header->setWordWrap(true);
  layout->addWidget(header);

  table_ = new QTableWidget(this);
  table_->setAccessibleName(QStringLiteral("Settings on the controller and in the file"));
  table_->setColumnCount(4);
  table_->setHorizontalHeaderLabels({QStringLiteral("Setting"), QStringLiteral("On the controller"),
                                     QStringLiteral("In the file"), QStringLiteral("Restore")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  // As large as its rows and columns: the window grows with them, up to the
  // screen (below), and the table scrolls beyond.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  layout->addWidget(table_);

  identity_ = new QCheckBox(QStringLiteral("&Also restore the serial number, model name and controller model "
                                           "(asks for the service password)"),
                            this);
  layout->addWidget(identity_);
  connect(identity_, &QCheckBox::toggled, this, [this](bool on) {
    svc::IncludeIdentity(comparison_, on);
    fill();
  });

  if (comparison_.otherSystem()) {
    const QString from = comparison_.fileSerial ? QStringLiteral("marking system %1").arg(*comparison_.fileSerial)
                                                : QStringLiteral("a marking system whose identity is not in it");
    const QString to = comparison_.controllerSerial ? QString::number(*comparison_.controllerSerial)
                                                    : QStringLiteral("not identified");
    otherSystem_ = new QCheckBox(QStringLiteral("The snapshot comes from %1; this one is %2. Restore &onto this "
                                                "system anyway")
                                     .arg(from, to),
                                 this);
    layout->addWidget(otherSystem_);
    connect(otherSystem_, &QCheckBox::toggled, this, &CompareRestoreDialog::fill);
  }

  summary_ = new QLabel(this);
  layout->addWidget(summary_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  restore_ = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
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
      plan += QStringLiteral(" (not read)");
    const QString notRead =
        row.readOnFamily ? QStringLiteral("(could not be read)") : QStringLiteral("(not on this family)");
    const QString cells[] = {SettingTitle(row.name), Value(row.controller, notRead),
                             Value(row.file, QStringLiteral("(not in the file)")), plan};
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
  summary_->setText(toSend == 0   ? QStringLiteral("The controller already holds every value of the file that a "
                                                     "restore would send.")
                    : toSend == 1 ? QStringLiteral("1 setting would be sent.")
                                  : QStringLiteral("%1 settings would be sent.").arg(toSend));
  restore_->setEnabled(toSend > 0 && !blocked);
}

}  // namespace zor::dialogs
