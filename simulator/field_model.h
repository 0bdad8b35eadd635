#pragma once
// The simulated scan field: where a simulated marking system puts what it
// marks, in millimetres, and what its field view draws. Window-free.
//
// Coordinates: millimetres, the field's centre at 0,0, x to the right, y up.
// The field's side is 0.675 x the lens's focal length; one jog step is a
// 2048th of it. How the lens errs and how the controller's scale and
// distortion corrections act on the corrected square is the scan field's
// model (field/scan_field.h); the controller applies its centering offset to
// everything the scanner aims. The README's "The simulated scan field" gives
// the model in full.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/controller_model.h"
#include "field/scan_field.h"
#include "files/result.h"

namespace zor::simulator {

using field::Point;
// "x -33.01 mm, y 0.22 mm"
std::string pointText(const Point& point);

// What the simulated lens does wrong (field/scan_field.h).
using field::LensError;

// "SX,SY,K" in percent, e.g. "1.8,-1.2,-1.5"; each from -10 to 10. Nothing
// and the reason in why when the text is not that.
files::Result<LensError> parseLensError(std::string_view text);

// The field's side in mm for a lens of focalLength mm.
using field::fieldSide;
// How far one jog moves, in mm, on a field of that side.
double jogStep(double side);

enum class Figure { OriginalSquare, CorrectedSquare, MaxField };
const char* figureName(Figure figure);  // "original-square", ...

// A figure as the lens marks it.
struct Outline {
  Figure figure = Figure::OriginalSquare;
  std::vector<Point> points;  // the closed outline, 16 segments per edge
  double width = 0;           // between the side edges along the horizontal line through its centre
  double height = 0;          // between the top and bottom edges along the vertical line through its centre
  double nominal = 0;         // the side it is meant to have
  bool operator==(const Outline&) const = default;
};

// The figure as the controller with this state marks it through this lens.
// distortionJogs: jogs added to the kept distortion offset (those of a
// distortion adjustment under way), for the corrected square.
Outline markFigure(Figure figure, const controller::ControllerState& state, const LensError& lens,
                   controller::Offset distortionJogs = {});

// The two points of the aiming alignment.
struct AlignmentPoints {
  Point topLeft;
  Point bottomRight;
  bool bottomRightActive = false;  // else the top left one is being aligned
  bool operator==(const AlignmentPoints&) const = default;
};

// What the field view draws.
struct FieldView {
  double side = 0;
  // What was marked since the start or the last clear, in order: the latest
  // kKeptMarks, and how many of each figure (by Figure) in all.
  static constexpr std::size_t kKeptMarks = 256;
  std::vector<Outline> marks;
  std::array<std::uint64_t, 3> marked{};
  std::optional<Point> spot;  // where the last Move put the beam
  std::optional<Point> aimingDot;
  std::optional<AlignmentPoints> alignment;  // during the aiming alignment
  std::optional<Point> centerCross;          // during a centering adjustment
  std::optional<Outline> distortionPreview;  // during a distortion adjustment
};

// One change of what the field view draws.
struct FieldEvent {
  enum class Kind { Field, Mark, Move, Aiming, Alignment, CenterCross, DistortionPreview, Clear };
  Kind kind = Kind::Clear;
  bool on = true;                            // Aiming, Alignment, CenterCross, DistortionPreview: shown or gone
  std::optional<Outline> figure;             // Mark, DistortionPreview
  std::optional<Point> at;                   // Move, Aiming, CenterCross
  std::optional<AlignmentPoints> alignment;  // Alignment
  double side = 0;                           // Field: the field's new side
};
const char* eventName(FieldEvent::Kind kind);  // "mark", ...

class FieldModel {
 public:
  // state: the controller's kept state when the simulation starts.
  FieldModel(LensError lens, const controller::ControllerState& state);

  // After every command the controller was given, whatever its outcome, with
  // its state and activity as they are now: marks what it marked, moves what
  // it moved, and returns what changed in the view.
  std::vector<FieldEvent> command(std::uint8_t code, const controller::ControllerState& state,
                                  const controller::Activity& activity);
  // What changed in the view with the controller's state and activity, no
  // command given: after the state was taken up from another process (a
  // lens set there changes the field).
  std::vector<FieldEvent> follow(const controller::ControllerState& state, const controller::Activity& activity);
  // Clears the marks and the spot; what the controller is doing stays.
  FieldEvent clear();

  const FieldView& view() const { return view_; }
  // What is drawn, in words, for a screen reader.
  std::string describe() const;

 private:
  void followLens(const controller::ControllerState& state, std::vector<FieldEvent>& events);
  void followActivity(const controller::ControllerState& state, const controller::Activity& activity,
                      std::vector<FieldEvent>& events);

  LensError lens_;
  FieldView view_;
};

// One JSON object, one line without its newline: t seconds since the start,
// system the serial number. Millimetres with 4 decimals.
std::string fieldEventJson(const FieldEvent& event, double t, std::int32_t system);

}  // namespace zor::simulator
