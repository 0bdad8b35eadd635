#include "report/squares.h"

#include <QJsonValue>
#include <cmath>

namespace zor::report {

namespace {

std::optional<double> Size(const QJsonValue& value) {
  if (!value.isDouble()) return std::nullopt;
  const double mm = value.toDouble();
  if (!std::isfinite(mm) || mm <= 0 || mm > kMaxDrawnMm) return std::nullopt;
  return mm;
}

// A quadratic curve from a to b that passes through mid at its half-way point.
void CurveThrough(QPainterPath& path, QPointF mid, QPointF b) {
  const QPointF a = path.currentPosition();
  path.quadTo(2 * mid - (a + b) / 2, b);
}

}  // namespace

std::optional<RoundShapes> ShapesOf(const QJsonObject& calibration) {
  const QJsonObject measured = calibration.value(QLatin1String("measured")).toObject();
  const auto width = Size(measured.value(QLatin1String("width_mm")));
  const auto height = Size(measured.value(QLatin1String("height_mm")));
  const auto nominal = Size(calibration.value(QLatin1String("nominal_mm")));
  if (!width || !height || !nominal) return std::nullopt;
  RoundShapes shapes{{*width, *height, std::nullopt, std::nullopt}, *nominal, std::nullopt, std::nullopt};
  // The corners are placed only from both edges; one alone leaves a rectangle.
  const auto top = Size(measured.value(QLatin1String("top_mm")));
  const auto left = Size(measured.value(QLatin1String("left_mm")));
  if (top && left) {
    shapes.measured.top = top;
    shapes.measured.left = left;
  }
  const QJsonObject expected = calibration.value(QLatin1String("expected")).toObject();
  shapes.expectedWidth = Size(expected.value(QLatin1String("width_mm")));
  shapes.expectedHeight = Size(expected.value(QLatin1String("height_mm")));
  if (!shapes.expectedWidth || !shapes.expectedHeight) shapes.expectedWidth = shapes.expectedHeight = std::nullopt;
  return shapes;
}

QPainterPath RectangleOutline(double width, double height) {
  QPainterPath path;
  path.addRect(QRectF(-width / 2, -height / 2, width, height));
  return path;
}

QPainterPath MeasuredOutline(const Measured& m) {
  if (!m.top || !m.left) return RectangleOutline(m.width, m.height);
  const double x = *m.top / 2, y = *m.left / 2, w = m.width / 2, h = m.height / 2;
  QPainterPath path(QPointF(-x, y));
  CurveThrough(path, {0, h}, {x, y});     // top
  CurveThrough(path, {w, 0}, {x, -y});    // right
  CurveThrough(path, {0, -h}, {-x, -y});  // bottom
  CurveThrough(path, {-w, 0}, {-x, y});   // left
  path.closeSubpath();
  return path;
}

}  // namespace zor::report
