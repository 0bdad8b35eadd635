#include "dialogs/system_chooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "service/text.h"

namespace zor::dialogs {

namespace {

using Cells = std::array<QString, 3>;  // serial number, name, address

Cells CellsOf(const zor::link::FoundSystem& system) {
  const QString name = QString::fromLatin1(system.name.data(), static_cast<qsizetype>(system.name.size()));
  return {QString::number(system.serial), zor::service::OneLine(name),
          QString::fromStdString(zor::link::AddressText(system))};
}

// Draws each row's serial number, name and address in aligned columns, so
// names of different lengths do not push the addresses out of line. The
// row's text, which assistive technology reads, stays one line.
class ColumnsDelegate : public QStyledItemDelegate {
 public:
  ColumnsDelegate(std::vector<Cells> rows, QObject* parent) : QStyledItemDelegate(parent), rows_(std::move(rows)) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();  // the background, selection and focus frame only
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const Cells& row = rows_.at(static_cast<std::size_t>(index.row()));
    const Columns& columns = measure(item.font);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role = item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    QRect cell = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, role));
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool last = c + 1 == row.size();
      cell.setWidth(last ? std::max(0, item.rect.right() - cell.left()) : columns.widths[c]);
      painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                        item.fontMetrics.elidedText(row[c], Qt::ElideRight, cell.width()));
      cell.moveLeft(cell.left() + columns.widths[c] + columns.gap);
    }
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), rowWidth(option.font, option.widget)));
    return size;
  }

  // The columns, their gaps and the margins the style keeps around a row's text.
  int rowWidth(const QFont& font, const QWidget* widget) const {
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const Columns& columns = measure(font);
    int width = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1) + 2 * columns.gap;
    for (const int w : columns.widths) width += w;
    return width;
  }

 private:
  struct Columns {
    std::array<int, 3> widths{};
    int gap = 0;
  };

  // Whole pixels, rounded up, so the widest text of a column is never elided.
  // Measured once per font: every row's paint and size hint needs the widths.
  const Columns& measure(const QFont& font) const {
    if (measuredFont_ == font && measured_) return *measured_;
    const QFontMetricsF metrics(font);
    const auto width = [&](const QString& text) {
      return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
    };
    Columns columns;
    columns.gap = width(QStringLiteral("MMM"));
    for (const Cells& row : rows_) {
      for (std::size_t c = 0; c < row.size(); ++c) columns.widths[c] = std::max(columns.widths[c], width(row[c]));
    }
    measuredFont_ = font;
    return measured_.emplace(columns);
  }

  std::vector<Cells> rows_;
  mutable QFont measuredFont_;
  mutable std::optional<Columns> measured_;
};

}  // namespace

SystemChooser::SystemChooser(std::span<const zor::link::FoundSystem> systems, std::optional<std::size_t> current,
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
  std::vector<Cells> rows;
  for (const zor::link::FoundSystem& system : systems) {
    list_->addItem(RowText(system));
    rows.push_back(CellsOf(system));
  }
  auto* columns = new ColumnsDelegate(std::move(rows), list_);
  list_->setItemDelegate(columns);
  // Wide enough for every row beside a vertical scroll bar.
  list_->setMinimumWidth(columns->rowWidth(list_->font(), list_) + 2 * list_->frameWidth() +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_));
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
std::optional<std::size_t> SystemChooser::chosen() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (result() != QDialog::Accepted || selected.isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(list_->row(selected.front()));
}

QString SystemChooser::RowText(const zor::link::FoundSystem& system) {
  const Cells cells = CellsOf(system);
  return QStringLiteral("%1   %2   %3").arg(cells[0], cells[1], cells[2]);
}

}  // namespace zor::dialogs
