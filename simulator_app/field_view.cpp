#include "simulator_app/field_view.h"

#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "simulator/shown_text.h"

namespace zor::simulator_app {
namespace {

using simulator::Point;
using simulator::pointText;

// Okabe and Ito's colours, told apart with most kinds of colour blindness.
const std::array<FieldStyle, kDrawnKinds> kStyles{{
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Original square"), QColor(0xd5, 0x5e, 0x00), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Corrected square"), QColor(0x00, 0x72, 0xb2), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Maximum field"), QColor(0xcc, 0x79, 0xa7), Qt::DotLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Distortion preview"), QColor(0x00, 0x9e, 0x73),
     Qt::DashLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Move spot"), QColor(0x20, 0x20, 0x20), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Aiming dot"), QColor(0xe6, 0x00, 0x00), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Alignment points"), QColor(0xe6, 0x9f, 0x00), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("zor::simulator_app::FieldLegend", "Centre cross"), QColor(0x56, 0xb4, 0xe9), Qt::SolidLine},
}};

Drawn drawnOf(simulator::Figure figure) {
  switch (figure) {
    case simulator::Figure::OriginalSquare:
      return Drawn::OriginalSquare;
    case simulator::Figure::CorrectedSquare:
      return Drawn::CorrectedSquare;
    case simulator::Figure::MaxField:
      return Drawn::MaxField;
  }
  return Drawn::OriginalSquare;
}

QPen penOf(Drawn drawn, double width, int alpha = 255) {
  QColor colour = fieldStyle(drawn).colour;
  colour.setAlpha(alpha);
  // In the widget's own pixels, so that the lines grow with the screen's scale.
  return QPen(colour, width, fieldStyle(drawn).line);
}

// The grid's step in mm: about ten lines across the field.
double gridStep(double side) {
  for (const double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
    if (side / step <= 12) return step;
  return 200;
}

// Where millimetres land in the widget.
struct Mapping {
  QPointF centre;
  double scale = 1;  // pixels per mm
  QPointF at(Point p) const { return {centre.x() + p.x * scale, centre.y() - p.y * scale}; }
};

void drawOutline(QPainter& painter, const Mapping& m, const std::vector<Point>& points, const QPen& pen) {
  if (points.empty()) return;
  QPainterPath path(m.at(points.front()));
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(m.at(points[i]));
  path.closeSubpath();
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void drawMarker(QPainter& painter, Drawn drawn, QPointF at, double r, bool active = false) {
  const QColor colour = fieldStyle(drawn).colour;
  painter.setPen(penOf(drawn, 2));
  switch (drawn) {
    case Drawn::Spot:
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(at, r, r);
      painter.drawLine(at - QPointF(r * 1.6, r * 1.6), at + QPointF(r * 1.6, r * 1.6));
      painter.drawLine(at - QPointF(r * 1.6, -r * 1.6), at + QPointF(r * 1.6, -r * 1.6));
      break;
    case Drawn::AimingDot:
      painter.setBrush(colour);
      painter.drawEllipse(at, r * 0.7, r * 0.7);
      painter.setBrush(Qt::NoBrush);
      painter.setPen(penOf(drawn, 1, 110));
      painter.drawEllipse(at, r * 1.5, r * 1.5);
      break;
    case Drawn::Alignment: {
      QColor fill = colour;
      fill.setAlpha(active ? 150 : 0);
      painter.setPen(penOf(drawn, active ? 3 : 1.5));
      painter.setBrush(fill);
      painter.drawEllipse(at, r, r);
      painter.drawLine(at - QPointF(r * 1.8, 0), at + QPointF(r * 1.8, 0));
      painter.drawLine(at - QPointF(0, r * 1.8), at + QPointF(0, r * 1.8));
      break;
    }
    case Drawn::CenterCross:
      painter.setPen(penOf(drawn, 3));
      painter.drawLine(at - QPointF(r * 3, 0), at + QPointF(r * 3, 0));
      painter.drawLine(at - QPointF(0, r * 3), at + QPointF(0, r * 3));
      break;
    default:  // the figures are outlines, drawn as such
      break;
  }
}

// The legend's sample of how a kind is drawn.
QPixmap swatch(Drawn drawn, const QFont& font, double ratio) {
  const QFontMetrics metrics(font);
  const QSize size(metrics.height() * 2, metrics.height());
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF middle(size.width() / 2.0, size.height() / 2.0);
  switch (drawn) {
    case Drawn::OriginalSquare:
    case Drawn::CorrectedSquare:
    case Drawn::MaxField:
    case Drawn::Preview:
      painter.setPen(penOf(drawn, 2));
      painter.drawLine(QPointF(1, middle.y()), QPointF(size.width() - 1, middle.y()));
      break;
    default:
      drawMarker(painter, drawn, middle, size.height() / 4.0, drawn == Drawn::Alignment);
      break;
  }
  return pixmap;
}

// Half the side of the square drawn: everything drawn stays in the picture,
// the field and a figure the lens pushed beyond it, with a margin.
double halfExtent(const simulator::FieldView& view) {
  const double side = view.side;
  double half = side / 2;
  auto reach = [&half](Point p) { half = std::max({half, std::abs(p.x), std::abs(p.y)}); };
  for (const simulator::Outline& mark : view.marks)
    for (const Point& p : mark.points) reach(p);
  if (view.distortionPreview)
    for (const Point& p : view.distortionPreview->points) reach(p);
  for (const auto& p : {view.spot, view.aimingDot, view.centerCross})
    if (p) reach(*p);
  if (view.alignment) {
    reach(view.alignment->topLeft);
    reach(view.alignment->bottomRight);
  }
  return half * 1.04;
}

// The field and its millimetre grid, labelled along the bottom and the left edge.
void drawGrid(QPainter& painter, const QWidget& widget, const QFontMetrics& metrics, const Mapping& m, double side) {
  const QRectF fieldRect(m.at({-side / 2, side / 2}), m.at({side / 2, -side / 2}));
  painter.fillRect(fieldRect, widget.palette().base());
  const double step = gridStep(side);
  const int lines = static_cast<int>(std::floor(side / 2 / step));
  const int labelEvery = step * m.scale < metrics.horizontalAdvance(QStringLiteral("-000")) + 6 ? 2 : 1;
  QColor gridColour = widget.palette().text().color();
  gridColour.setAlpha(40);
  QColor axisColour = gridColour;
  axisColour.setAlpha(110);
  painter.setFont(widget.font());
  for (int k = -lines; k <= lines; ++k) {
    const double mm = k * step;
    painter.setPen(QPen(k == 0 ? axisColour : gridColour, 0));
    painter.drawLine(m.at({mm, -side / 2}), m.at({mm, side / 2}));
    painter.drawLine(m.at({-side / 2, mm}), m.at({side / 2, mm}));
    if (k % labelEvery != 0) continue;
    painter.setPen(widget.palette().text().color());
    const QString label = QString::number(mm, 'f', 0);
    const QPointF below = m.at({mm, -side / 2});
    painter.drawText(QRectF(below.x() - 30, fieldRect.bottom() + 2, 60, metrics.height()), Qt::AlignCenter, label);
    const QPointF beside = m.at({-side / 2, mm});
    painter.drawText(QRectF(0, beside.y() - metrics.height() / 2.0, fieldRect.left() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  painter.setPen(QPen(widget.palette().text().color(), 0));
  painter.drawRect(fieldRect);
  painter.drawText(QRectF(fieldRect.left(), 2, fieldRect.width(), metrics.height()), Qt::AlignLeft,
                   FieldView::tr("Field %1 mm square, grid %2 mm").arg(side, 0, 'f', 2).arg(step, 0, 'f', 0));
}

// The marks, oldest first; the last of each figure in full colour, those before it faint.
void drawMarks(QPainter& painter, const Mapping& m, const simulator::FieldView& view) {
  std::array<std::size_t, 3> last{};
  for (std::size_t i = 0; i < view.marks.size(); ++i) last[static_cast<std::size_t>(view.marks[i].figure)] = i;
  for (std::size_t i = 0; i < view.marks.size(); ++i) {
    const simulator::Outline& mark = view.marks[i];
    const bool latest = last[static_cast<std::size_t>(mark.figure)] == i;
    drawOutline(painter, m, mark.points, penOf(drawnOf(mark.figure), latest ? 2 : 1, latest ? 255 : 70));
  }
  if (view.distortionPreview) drawOutline(painter, m, view.distortionPreview->points, penOf(Drawn::Preview, 2));
}

// The centre cross, the alignment's two points, the spot and the aiming dot.
void drawMarkers(QPainter& painter, const QWidget& widget, const QFontMetrics& metrics, const Mapping& m,
                 const simulator::FieldView& view) {
  const double r = std::max(4.0, metrics.height() / 3.0);
  if (view.centerCross) drawMarker(painter, Drawn::CenterCross, m.at(*view.centerCross), r);
  if (view.alignment) {
    const std::pair<Point, bool> points[] = {{view.alignment->topLeft, !view.alignment->bottomRightActive},
                                             {view.alignment->bottomRight, view.alignment->bottomRightActive}};
    const QString names[] = {FieldView::tr("top left"), FieldView::tr("right bottom")};
    for (int i = 0; i < 2; ++i) {
      const QPointF at = m.at(points[i].first);
      drawMarker(painter, Drawn::Alignment, at, r, points[i].second);
      painter.setPen(widget.palette().text().color());
      // Right of the point, or left of it where the widget ends first: a
      // longer name (or language) is never cut off at the edge.
      const QString name = points[i].second ? FieldView::tr("%1 (active)").arg(names[i]) : names[i];
      const double advance = metrics.horizontalAdvance(name);
      const double x = at.x() + r * 2 + advance <= widget.width() ? at.x() + r * 2 : at.x() - r * 2 - advance;
      painter.drawText(QPointF(x, at.y() - r), name);
    }
  }
  if (view.spot) drawMarker(painter, Drawn::Spot, m.at(*view.spot), r);
  if (view.aimingDot) drawMarker(painter, Drawn::AimingDot, m.at(*view.aimingDot), r);
}

}  // namespace

const FieldStyle& fieldStyle(Drawn drawn) { return kStyles.at(static_cast<std::size_t>(drawn)); }

FieldView::FieldView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);  // a screen reader's user reaches the description with Tab
  setAccessibleName(tr("Scan field"));
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void FieldView::setField(const simulator::FieldModel* field, const QString& systemName) {
  field_ = field;
  setAccessibleName(tr("Scan field of %1").arg(systemName));
  changed();
}

void FieldView::changed() {
  setAccessibleDescription(field_ ? QString::fromStdString(field_->describe()) : QString());
  update();
}

void FieldView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().window());
  if (!field_) return;
  const simulator::FieldView& view = field_->view();
  const double half = halfExtent(view);

  const QFontMetrics metrics(font());
  const QRectF plot = QRectF(rect()).adjusted(metrics.horizontalAdvance(QStringLiteral("-000")) + 10,
                                              metrics.height() + 8, -10, -(metrics.height() + 10));
  const double size = std::max(1.0, std::min(plot.width(), plot.height()));
  const Mapping m{plot.center(), size / (2 * half)};

  drawGrid(painter, *this, metrics, m, view.side);
  drawMarks(painter, m, view);
  drawMarkers(painter, *this, metrics, m, view);
}

FieldLegend::FieldLegend(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  grid->setVerticalSpacing(2);
  const double ratio = devicePixelRatioF();
  QFont bold = font();
  bold.setBold(true);
  for (int i = 0; i < kDrawnKinds; ++i) {
    const FieldStyle& style = fieldStyle(static_cast<Drawn>(i));
    auto* sample = new QLabel(this);
    sample->setPixmap(swatch(static_cast<Drawn>(i), font(), ratio));
    auto* name = new QLabel(tr(style.name), this);
    name->setFont(bold);
    QLabel* value = values_[static_cast<std::size_t>(i)] = new QLabel(this);
    value->setAccessibleName(tr(style.name));
    value->setWordWrap(true);
    value->setContentsMargins(0, 0, 0, 4);
    grid->addWidget(sample, 2 * i, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 2 * i, 1);
    grid->addWidget(value, 2 * i + 1, 1);
  }
}

void FieldLegend::setField(const simulator::FieldModel* field) {
  auto set = [this](Drawn drawn, const QString& text) { values_[static_cast<std::size_t>(drawn)]->setText(text); };
  auto shown = [](const std::string& text) { return QString::fromStdString(text); };
  if (!field) {
    for (QLabel* value : values_) value->clear();
    return;
  }
  const simulator::FieldView& view = field->view();
  for (const simulator::Figure figure :
       {simulator::Figure::OriginalSquare, simulator::Figure::CorrectedSquare, simulator::Figure::MaxField}) {
    const auto mark = std::find_if(view.marks.rbegin(), view.marks.rend(),
                                   [figure](const simulator::Outline& o) { return o.figure == figure; });
    const std::uint64_t count = view.marked[static_cast<std::size_t>(figure)];
    const QString text = mark == view.marks.rend() ? tr("not marked") : shown(simulator::measuredText(*mark));
    set(drawnOf(figure), count > 1 ? tr("%1, marked %2 times").arg(text).arg(count) : text);
  }
  set(Drawn::Preview, view.distortionPreview ? shown(simulator::measuredText(*view.distortionPreview))
                                             : tr("during a distortion adjustment"));
  set(Drawn::Spot, view.spot ? shown(pointText(*view.spot)) : tr("no move yet"));
  set(Drawn::AimingDot, view.aimingDot ? shown(pointText(*view.aimingDot)) : tr("aiming off"));
  set(Drawn::Alignment, view.alignment ? tr("top left %1; right bottom %2")
                                             .arg(shown(pointText(view.alignment->topLeft)),
                                                  shown(pointText(view.alignment->bottomRight)))
                                       : tr("during the aiming alignment"));
  set(Drawn::CenterCross, view.centerCross ? shown(pointText(*view.centerCross)) : tr("during a centering adjustment"));
}

}  // namespace zor::simulator_app
