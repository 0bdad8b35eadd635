#include "dialogs/service_log_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zor::dialogs {

namespace {

// What a column sorts by: the time and serial as numbers, the rest as shown.
constexpr int kSortRole = Qt::UserRole + 1;

QList<QStandardItem*> Row(const zor::service::ServiceLogEntry& entry) {
  using zor::service::OneLine;
  const std::pair<QString, QVariant> cells[ServiceLogDialog::ColumnCount] = {
      {entry.time.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"), entry.time.toMSecsSinceEpoch()},
      {OneLine(entry.frontEnd), {}},
      {entry.serial ? QString::number(*entry.serial) : QString(), entry.serial.value_or(-1)},
      {OneLine(entry.model), {}},
      {OneLine(entry.operation), {}},
      {OneLine(entry.value), {}},
      {OneLine(entry.outcome), {}},
  };
  QList<QStandardItem*> row;
  for (const auto& [text, key] : cells) {
    auto* item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (row.size() == ServiceLogDialog::Serial) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setData(key.isValid() ? key : QVariant(text), kSortRole);
    if (!entry.message.isEmpty()) {
      item->setToolTip(entry.message);
      item->setData(entry.message, Qt::AccessibleDescriptionRole);
    }
    row.append(item);
  }
  return row;
}

// What the table cannot show: an empty or unreadable log, lines left out.
QString Note(const zor::service::Reading<zor::service::ServiceLogContents>& read) {
  const zor::service::ServiceLogContents& log = read.value;
  QStringList lines;
  if (!read.ok()) {
    lines << ServiceLogDialog::tr("The service log could not be read: %1.").arg(zor::service::ToQString(read.message));
  } else if (log.entries.empty() && log.skipped == 0) {
    lines << ServiceLogDialog::tr("No operations have been logged yet.");
  }
  if (log.olderLeftOut) {
    lines << ServiceLogDialog::tr("Only the most recent %1 of the log are shown.")
                 .arg(QString::fromStdString(zor::service::SizeText(zor::service::kServiceLogReadLimit)));
  }
  if (log.skipped == 1) lines << ServiceLogDialog::tr("1 line could not be read.");
  if (log.skipped > 1) lines << ServiceLogDialog::tr("%1 lines could not be read.").arg(log.skipped);
  return lines.join(u'\n');
}

}  // namespace

ServiceLogDialog::ServiceLogDialog(const zor::service::Reading<zor::service::ServiceLogContents>& read, QWidget* parent)
    : QDialog(parent) {
  const zor::service::ServiceLogContents& log = read.value;
  setWindowTitle(tr("Service Log"));
  auto* layout = new QVBoxLayout(this);

  auto* note = new QLabel(Note(read), this);
  note->setWordWrap(true);
  note->setTextInteractionFlags(Qt::TextSelectableByMouse);
  note->setVisible(!note->text().isEmpty());
  layout->addWidget(note);

  auto* model = new QStandardItemModel(0, ColumnCount, this);
  model->setHorizontalHeaderLabels(
      {tr("Time"), tr("Front end"), tr("Serial"), tr("Model"), tr("Operation"), tr("Value"), tr("Outcome")});
  model->setSortRole(kSortRole);
  for (const auto& entry : log.entries) model->appendRow(Row(entry));

  auto* table = new QTableView(this);
  table->setAccessibleName(tr("Logged operations"));
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setTabKeyNavigation(false);  // Tab leaves the table for the Close button
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSortingEnabled(true);
  table->sortByColumn(Time, Qt::DescendingOrder);
  table->resizeColumnsToContents();
  const int widest = fontMetrics().averageCharWidth() * 40;  // a long value does not push the rest away
  table->setColumnWidth(Value, std::min(table->columnWidth(Value), widest));
  table->setVisible(!log.entries.empty());
  if (!log.entries.empty()) table->selectRow(0);
  layout->addWidget(table, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * (log.entries.empty() ? 8 : 30));
}

}  // namespace zor::dialogs
