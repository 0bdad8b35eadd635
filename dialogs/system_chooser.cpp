#include "dialogs/system_chooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/text.h"

SystemChooserDialog::SystemChooserDialog(std::span<const zor::FoundSystem> systems, std::optional<std::size_t> current,
                                         QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle(tr("Select System"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(tr("Several marking systems answered. Choose the one to work with:"), this);
  prompt->setWordWrap(true);
  prompt->setBuddy(list_);
  layout->addWidget(prompt);

  list_->setAccessibleName(tr("Marking systems"));
  list_->setAccessibleDescription(tr("Serial number, name and address of each system that answered"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const zor::FoundSystem& system : systems) list_->addItem(RowText(system));
  const std::size_t row = current && *current < systems.size() ? *current : 0;
  list_->setCurrentRow(static_cast<int>(row));
  // Enter on a row, or a double click, picks it.
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
  layout->addWidget(list_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  list_->setFocus();
}

// The selected row: the keys select the row they move to, and assistive
// technology may select a row without making it the current one.
std::optional<std::size_t> SystemChooserDialog::chosen() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (result() != QDialog::Accepted || selected.isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(list_->row(selected.front()));
}

QString SystemChooserDialog::RowText(const zor::FoundSystem& system) {
  const QString name = QString::fromLatin1(system.name.data(), static_cast<qsizetype>(system.name.size()));
  return QStringLiteral("%1   %2   %3")
      .arg(system.serial)
      .arg(zor::service::OneLine(name), QString::fromStdString(zor::AddressText(system)));
}
