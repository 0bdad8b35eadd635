#pragma once
// The scan field of one simulated system, to scale, and its legend with the
// sizes a technician would measure on the marked squares.

#include <QColor>
#include <QLabel>
#include <QPen>
#include <QWidget>
#include <array>

#include "simulator/field_model.h"

namespace zor::simulator_app {

// How each thing on the field is drawn: a colour and a line style of its
// own, so that the legend tells them apart without colour too.
struct FieldStyle {
  const char* name;
  QColor colour;
  Qt::PenStyle line;
};
enum class Drawn { OriginalSquare, CorrectedSquare, MaxField, Preview, Spot, AimingDot, Alignment, CenterCross };
inline constexpr int kDrawnKinds = 8;
const FieldStyle& fieldStyle(Drawn drawn);

class FieldView : public QWidget {
  Q_OBJECT

 public:
  explicit FieldView(QWidget* parent = nullptr);

  // Shows this field (nothing: an empty view), of the system named so in
  // its accessible name.
  void setField(const simulator::FieldModel* field, const QString& systemName);
  // The field changed: repainted, its accessible description renewed.
  void changed();

  QSize sizeHint() const override { return {520, 520}; }
  QSize minimumSizeHint() const override { return {240, 240}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const simulator::FieldModel* field_ = nullptr;
};

// Beside the field: what each colour and line is, and the last square of
// each kind as measured across its middle, beside its nominal size.
class FieldLegend : public QWidget {
  Q_OBJECT

 public:
  explicit FieldLegend(QWidget* parent = nullptr);
  void setField(const simulator::FieldModel* field);

 private:
  std::array<QLabel*, kDrawnKinds> values_{};
};

}  // namespace zor::simulator_app
