#pragma once
// The corrected square as a drawing: where each size of a field calibration
// is measured. The width and the height across the middle, the top and the
// left edge from corner to corner. Drawn at the widget's size in the
// widget's font and colours, so it stays sharp and legible at any scale.

#include <QWidget>

namespace zor::dialogs {

class SquareFigure final : public QWidget {
  Q_OBJECT
 public:
  explicit SquareFigure(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zor::dialogs
