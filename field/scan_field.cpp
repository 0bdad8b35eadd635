#include "field/scan_field.h"

namespace zor::field {
namespace {

// r^2 / R^2 of a point on a field of half side R; no field, no distortion.
double radialShare(Point p, double halfSide) {
  return halfSide > 0 ? (p.x * p.x + p.y * p.y) / (halfSide * halfSide) : 0;
}

}  // namespace

double fieldSide(std::uint16_t focalLength) { return kScanAngle * focalLength; }

double distortionCoefficient(double word) { return (word - kNeutralWord) / kWordsPerUnit; }

double distortionWord(double coefficient) { return kNeutralWord + coefficient * kWordsPerUnit; }

Point throughLens(const LensError& lens, double halfSide, Point aimed) {
  const double radial = 1 + lens.radial * radialShare(aimed, halfSide);
  return {aimed.x * (1 + lens.scaleX) * radial, aimed.y * (1 + lens.scaleY) * radial};
}

Point corrected(const Corrections& corrections, double halfSide, Point p) {
  const Point scaled{p.x * corrections.scaleX, p.y * corrections.scaleY};
  const double share = radialShare(scaled, halfSide);
  const double cx = distortionCoefficient(corrections.distortionX);
  const double cy = distortionCoefficient(corrections.distortionY);
  return {scaled.x * (1 + cx * share), scaled.y * (1 + cy * share)};
}

SquareSizes correctedSquareSizes(const Corrections& corrections, const LensError& lens, double halfSide, double side) {
  const double h = side / 2;
  auto marked = [&](Point p) { return throughLens(lens, halfSide, corrected(corrections, halfSide, p)); };
  const Point right = marked({h, 0});
  const Point top = marked({0, h});
  const Point corner = marked({h, h});
  return {2 * right.x, 2 * top.y, 2 * corner.x, 2 * corner.y};
}

}  // namespace zor::field
