#pragma once
// The drawing of a calibration round: the square as measured before it, the
// one expected after it and the nominal square, in millimetres, centred at
// 0,0 with y up, all to one scale.

#include <QJsonObject>
#include <QPainterPath>
#include <optional>

namespace zor::report {

// Larger sizes are no square marked on a scan field: they are not drawn.
inline constexpr double kMaxDrawnMm = 2000;

struct Measured {
  double width = 0;            // across the middle
  double height = 0;           // across the middle
  std::optional<double> top;   // the top edge, corner to corner
  std::optional<double> left;  // the left edge, corner to corner
};

struct RoundShapes {
  Measured measured;
  double nominal = 0;
  std::optional<double> expectedWidth, expectedHeight;
};

// The round's shapes from its "calibration" object, or nullopt when its
// sizes cannot be drawn (missing, not numbers, not above 0, or absurd).
std::optional<RoundShapes> ShapesOf(const QJsonObject& calibration);

// A rectangle of that size. The measured square is one too, unless its top
// and left edges were measured: then its corners sit at (±top/2, ±left/2)
// and each edge bows through its mid-point, (±width/2, 0) or (0, ±height/2).
QPainterPath RectangleOutline(double width, double height);
QPainterPath MeasuredOutline(const Measured& measured);

}  // namespace zor::report
