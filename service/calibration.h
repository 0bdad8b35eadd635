#pragma once
// The field calibration assistant's computation: from the sizes a technician
// measures on the corrected square as the controller marks it now, and the
// scale and distortion corrections the controller holds now, the corrections
// that bring the square to its nominal size with straight edges. Window-free;
// the scan field's model it inverts is field/scan_field.h.
//
// Maintenance::planCalibration reads what the computation needs (the lens,
// the scale, the distortion) and computes, sending nothing;
// Maintenance::applyCalibration sends a plan (Set scale, then Set distortion,
// only what changes, with the panel's own packets and pauses) and reports one
// operation "calibrate" whose service-log line carries the member
// "calibration" (CalibrationJson).

#include <QJsonObject>
#include <cstdint>
#include <optional>
#include <string>

#include "service/maintenance.h"
#include "service/outcome.h"

namespace zor::service {

// Millimetres, measured on the corrected square as marked now.
struct SquareSizes {
  double widthMm = 0;            // across the middle
  double heightMm = 0;           // across the middle
  std::optional<double> topMm;   // the top edge, corner to corner
  std::optional<double> leftMm;  // the left edge, corner to corner
};

// Within tolerance: each middle size within percent of nominal, and each edge
// given within edgeMm of its middle size (the width for the top edge, the
// height for the left one).
struct CalibrationTolerance {
  double percent = 0.05;
  double edgeMm = 0.02;
};

struct CalibrationInput {
  SquareSizes measured;
  std::optional<double> nominalMm;  // else half the field's side from the lens
  CalibrationTolerance tolerance;
};

struct CalibrationPlan {
  SquareSizes measured;
  double nominalMm = 0;
  Scale oldScale, newScale;  // newScale: as the controller will hold it (its text read back as a float)
  Distortion oldDistortion, newDistortion;
  std::u16string scaleXText, scaleYText;  // the texts a Set sends
  std::u16string distortionXText, distortionYText;
  bool scaleChanges = false, distortionChanges = false;
  // The sizes the next corrected square is expected to have, by the model
  // fitted to the measurements; the edges only when they were measured.
  double expectedWidthMm = 0, expectedHeightMm = 0;
  std::optional<double> expectedTopMm, expectedLeftMm;
  bool withinTolerance = false;  // the measurements are within tolerance: nothing to send
  // How far the model fitted to the measurements misses the largest of them,
  // in mm: more than a measurement's rounding says the lens errs otherwise
  // than the model has it, and the next round may need to correct further.
  double modelMisfitMm = 0;
};

// The measurements more than this share away from nominal are refused as a
// wrong figure or a typo.
inline constexpr double kCalibrationMaxDeviation = 0.20;

// The checks that need no controller: every size given a positive number,
// both edges or neither, the tolerance, and a nominal size given positive and
// within kCalibrationMaxDeviation of every size. Done, or Refused as below.
Outcome CheckCalibrationInput(const CalibrationInput& input);

// Pure computation: refusals (a measurement that is not a positive number,
// more than 20 % from nominal, an edge without its partner, a nominal size
// that is not positive, a result the controller cannot take) are Refused with
// the Input named (CalibrationWidth, CalibrationHeight, CalibrationTop,
// CalibrationLeft, CalibrationNominal; ScaleX/Y or DistortionX/Y for a
// result out of range). Width and height alone keep the distortion words.
Reading<CalibrationPlan> ComputeCalibration(const CalibrationInput& input, std::uint16_t lensFocalMm, Scale current,
                                            Distortion currentDistortion);

// The plan as zorctl's JSON and the service log's member "calibration" give
// it: measured, nominal_mm, old, new, expected, within_tolerance, sent.
QJsonObject CalibrationJson(const CalibrationPlan& plan, bool sent);

// Compares a round's measurements with the previous applied round's record
// (the service log's member "calibration"): a warning when the square lies no
// closer to nominal than it did then (its largest error, size or edge, did
// not shrink), naming what was measured, expected and measured now. Nothing
// when it did, when this round is within tolerance, or when the record is of
// another nominal size or cannot be read.
std::optional<std::u16string> CalibrationProgress(const QJsonObject& previous, const CalibrationPlan& now);

// "scale 0.98602 1.01596, distortion 32918 32918": what a plan sends, for
// the service log's value; "" when nothing.
std::u16string CalibrationSummary(const CalibrationPlan& plan);

}  // namespace zor::service
