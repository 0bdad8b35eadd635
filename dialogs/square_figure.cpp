#include "dialogs/square_figure.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zor::dialogs {

namespace {

// A measuring line with an arrowhead at each end.
void Dimension(QPainter& painter, QPointF from, QPointF to, qreal head) {
  painter.drawLine(from, to);
  const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF across(-along.y(), along.x());
  for (const auto& [tip, inward] : {std::pair{from, along}, std::pair{to, -along}}) {
    QPainterPath arrow(tip);
    arrow.lineTo(tip + inward * head + across * head / 2);
    arrow.lineTo(tip + inward * head - across * head / 2);
    arrow.closeSubpath();
    painter.fillPath(arrow, painter.pen().color());
  }
}

}  // namespace

SquareFigure::SquareFigure(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Where each size is measured"));
  setAccessibleDescription(
      tr("Width and height across the middle of the corrected square; the top edge and the "
         "left edge from corner to corner."));
}

void SquareFigure::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF metrics(font());
  const QStringList labels = {tr("Width"), tr("Height"), tr("Top edge"), tr("Left edge")};
  const qreal line = metrics.height();
  // Room outside the square for the edges' measuring lines and labels: above
  // it for the top edge, left of it for the left edge (written upwards).
  const qreal outside = 2.2 * line;
  const qreal side = std::max<qreal>(0, std::min(width() - outside - line / 2, height() - outside - line / 2));
  const QRectF square(outside, outside, side, side);
  const qreal head = std::max<qreal>(3, line / 3);
  const QColor ink = palette().color(QPalette::WindowText);
  const QColor middle = palette().color(QPalette::Highlight);

  painter.setPen(QPen(ink, std::max<qreal>(1.5, line / 8)));
  painter.drawRect(square);
  // The corners the edges are measured between.
  for (const QPointF corner : {square.topLeft(), square.topRight(), square.bottomLeft()})
    painter.drawEllipse(corner, head / 2, head / 2);

  // Top edge: above the square, corner to corner, with extension lines.
  const qreal topY = square.top() - 0.9 * line;
  painter.setPen(QPen(ink, 1));
  painter.drawLine(square.topLeft(), QPointF(square.left(), topY - head));
  painter.drawLine(square.topRight(), QPointF(square.right(), topY - head));
  Dimension(painter, QPointF(square.left(), topY), QPointF(square.right(), topY), head);
  painter.drawText(QRectF(square.left(), topY - 1.2 * line, side, line), Qt::AlignHCenter | Qt::AlignBottom, labels[2]);

  // Left edge: left of the square, written upwards.
  const qreal leftX = square.left() - 0.9 * line;
  painter.drawLine(square.topLeft(), QPointF(leftX - head, square.top()));
  painter.drawLine(square.bottomLeft(), QPointF(leftX - head, square.bottom()));
  Dimension(painter, QPointF(leftX, square.top()), QPointF(leftX, square.bottom()), head);
  painter.save();
  painter.translate(leftX - 0.2 * line, square.bottom());
  painter.rotate(-90);
  painter.drawText(QRectF(0, -line, side, line), Qt::AlignHCenter | Qt::AlignBottom, labels[3]);
  painter.restore();

  // Width and height: across the middle, from edge to edge.
  painter.setPen(QPen(middle, std::max<qreal>(1.5, line / 10)));
  const QPointF centre = square.center();
  Dimension(painter, QPointF(square.left(), centre.y()), QPointF(square.right(), centre.y()), head);
  Dimension(painter, QPointF(centre.x(), square.top()), QPointF(centre.x(), square.bottom()), head);
  painter.drawText(QRectF(square.left(), centre.y() - 1.1 * line, side / 2 - head, line),
                   Qt::AlignHCenter | Qt::AlignBottom, labels[0]);
  painter.drawText(QRectF(centre.x() + head, square.top() + side / 4 - line / 2, side / 2 - head, line),
                   Qt::AlignHCenter | Qt::AlignVCenter, labels[1]);
}

}  // namespace zor::dialogs
