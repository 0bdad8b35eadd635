#pragma once
// The scan field's model: how the lens errs, and how the controller's scale
// and distortion corrections act on the corrected square. zor-simulator runs
// it forwards to draw and measure what a system marks; the calibration
// assistant inverts it to compute corrections from measured sizes. Plain C++,
// no Qt. The README's "The simulated scan field" states it in full.
//
// Coordinates: millimetres, the field's centre at 0,0, x to the right, y up.

#include <cstdint>

namespace zor::field {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// The scanner's full optical angle in radians: an f-theta lens of focal
// length f spreads it over a field of side f x angle.
inline constexpr double kScanAngle = 0.675;
// A distortion word's neutral value, and the word units per unit of its
// coefficient (32768 + 10000 doubles a point's distance at the field's edge).
inline constexpr double kNeutralWord = 32768;
inline constexpr double kWordsPerUnit = 10000;

// The field's side in mm for a lens of focalLength mm. The squares are half of it.
double fieldSide(std::uint16_t focalLength);

// What the lens does wrong, as fractions (0.018 is 1.8 %): a point the
// scanner aims at p lands at (x (1 + scaleX), y (1 + scaleY)) (1 + radial r^2 / R^2),
// r = |p|, R = half the field's side. radial < 0 is barrel, > 0 pincushion.
// The defaults are the simulated systems' lens unless told otherwise.
struct LensError {
  double scaleX = 0.018;
  double scaleY = -0.012;
  double radial = -0.015;
};

// The controller's corrections of the corrected square: the scale factors
// and the distortion words (with any jogs of an adjustment under way added).
struct Corrections {
  double scaleX = 1;
  double scaleY = 1;
  double distortionX = kNeutralWord;
  double distortionY = kNeutralWord;
};

// A distortion word's coefficient c = (word - 32768) / 10000, and back.
double distortionCoefficient(double word);
double distortionWord(double coefficient);

// Where a point aimed at lands, on a field of half side halfSide.
Point throughLens(const LensError& lens, double halfSide, Point aimed);
// Where the controller aims for a point of the corrected square: scaled, then
// pre-distorted: each axis by (1 + c r^2 / R^2), r the scaled point's distance.
Point corrected(const Corrections& corrections, double halfSide, Point p);

// The sizes calipers take on the corrected square of side `side` (centred)
// as marked: across the middle (between the edges' midpoints), and the top
// and left edges from corner to corner. The model keeps both axes through the
// centre, so each size is twice one coordinate.
struct SquareSizes {
  double width = 0;
  double height = 0;
  double top = 0;
  double left = 0;
};
SquareSizes correctedSquareSizes(const Corrections& corrections, const LensError& lens, double halfSide, double side);

}  // namespace zor::field
