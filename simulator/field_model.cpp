#include "simulator/field_model.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "simulator/fixed_number.h"

namespace zor::simulator {
namespace {

using simulator::fixed;

// Jog steps across the whole field.
constexpr double kStepsPerField = 2048;
constexpr int kSegmentsPerEdge = 16;
// The lens errors --lens-error takes, in percent either way.
constexpr double kLensErrorLimit = 10;

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

Point steps(double step, double x, double y) { return {x * step, y * step}; }

// Where the centering offset puts the field's centre.
Point centerShift(const controller::ControllerState& state, double step) {
  return steps(step, state.centerOffset.x, state.centerOffset.y);
}

// Where the controller aims for a point of the corrected square, with these
// jogs of a distortion adjustment added to the kept distortion words.
Point corrected(const controller::ControllerState& state, controller::Offset jogs, double halfSide, Point p) {
  const field::Corrections corrections{state.xScale, state.yScale, state.xDistortion + static_cast<double>(jogs.x),
                                       state.yDistortion + static_cast<double>(jogs.y)};
  return field::corrected(corrections, halfSide, p);
}

// The square of half side h as the scanner goes round it, from its bottom
// left corner anticlockwise; every edge's midpoint is one of its points.
std::vector<Point> squarePath(double h) {
  const std::array<Point, 4> corners{{{-h, -h}, {h, -h}, {h, h}, {-h, h}}};
  std::vector<Point> path;
  path.reserve(4 * kSegmentsPerEdge);
  for (std::size_t edge = 0; edge < corners.size(); ++edge) {
    const Point from = corners[edge];
    const Point to = corners[(edge + 1) % corners.size()];
    for (int i = 0; i < kSegmentsPerEdge; ++i) {
      const double t = double(i) / kSegmentsPerEdge;
      path.push_back({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
  }
  return path;
}

// The distance between the outermost points where a closed outline crosses a
// line, as calipers measure it: the horizontal line y = at, or the vertical
// line x = at.
double across(const std::vector<Point>& outline, double at, bool horizontal) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Point a = outline[i];
    const Point b = outline[(i + 1) % outline.size()];
    const double da = (horizontal ? a.y : a.x) - at;
    const double db = (horizontal ? b.y : b.x) - at;
    if ((da > 0 && db > 0) || (da < 0 && db < 0) || (da == 0 && db == 0)) continue;
    const double t = da / (da - db);
    const double where = horizontal ? a.x + (b.x - a.x) * t : a.y + (b.y - a.y) * t;
    low = std::min(low, where);
    high = std::max(high, where);
  }
  return high >= low ? high - low : 0;
}

AlignmentPoints alignmentPoints(const controller::ControllerState& state, const controller::Activity& activity,
                                double side) {
  const double step = jogStep(side);
  const bool second = activity.mode == controller::Mode::AimBottomRight;
  const controller::Offset topLeft =
      controller::shifted(state.aimTopLeft, second ? activity.pendingTopLeft : activity.pending);
  const controller::Offset bottomRight =
      second ? controller::shifted(state.aimBottomRight, activity.pending) : state.aimBottomRight;
  const Point shift = centerShift(state, step);
  return {Point{-side / 4, side / 4} + shift + steps(step, topLeft.x, topLeft.y),
          Point{side / 4, -side / 4} + shift + steps(step, bottomRight.x, bottomRight.y), second};
}

// A new event of that kind, for the caller to fill in.
FieldEvent& add(std::vector<FieldEvent>& events, FieldEvent::Kind kind, bool on = true) {
  FieldEvent& event = events.emplace_back();
  event.kind = kind;
  event.on = on;
  return event;
}

// Sets held to now; true when that changed it.
template <typename T>
bool update(std::optional<T>& held, std::optional<T> now) {
  if (held == now) return false;
  held = std::move(now);
  return true;
}

std::string jsonNumber(double value, int decimals) { return std::isfinite(value) ? fixed(value, decimals) : "null"; }

std::string jsonPoints(const std::vector<Point>& points) {
  std::string out = "[";
  for (const Point& p : points) {
    if (out.size() > 1) out += ',';
    out += '[' + jsonNumber(p.x, 4) + ',' + jsonNumber(p.y, 4) + ']';
  }
  return out + ']';
}

std::string jsonOutline(const Outline& outline) {
  return std::string(",\"figure\":\"") + figureName(outline.figure) + "\",\"points\":" + jsonPoints(outline.points) +
         ",\"width_mm\":" + jsonNumber(outline.width, 4) + ",\"height_mm\":" + jsonNumber(outline.height, 4) +
         ",\"nominal_mm\":" + jsonNumber(outline.nominal, 4);
}

std::string jsonAt(const Point& p) { return ",\"x_mm\":" + jsonNumber(p.x, 4) + ",\"y_mm\":" + jsonNumber(p.y, 4); }

std::string mm(double value) { return fixed(value, 2) + " mm"; }

}  // namespace

std::string pointText(const Point& p) { return "x " + mm(p.x) + ", y " + mm(p.y); }

files::Result<LensError> parseLensError(std::string_view text) {
  auto refuse = [](std::string reason) { return files::Failure{std::move(reason)}; };
  static constexpr std::array<const char*, 3> kNames{"X scale error", "Y scale error", "radial error"};
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t comma = text.find(',');
    if ((comma == std::string_view::npos) != (i + 1 == values.size()))
      return refuse("expected three percentages SX,SY,K, e.g. 1.8,-1.2,-1.5");
    std::string_view number = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    // Digits, one point, a sign: no "inf", "nan" or hexadecimal.
    const bool plain = !number.empty() && number.find_first_not_of("0123456789.-") == std::string_view::npos;
    double& value = values[i];
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!plain || error != std::errc() || end != number.data() + number.size())
      return refuse(std::string("the ") + kNames[i] + " is not a number");
    if (std::abs(value) > kLensErrorLimit)
      return refuse(std::string("the ") + kNames[i] + " " + fixed(value, 2) + " % is outside -10 to 10 %");
  }
  return LensError{values[0] / 100, values[1] / 100, values[2] / 100};
}

double jogStep(double side) { return side / kStepsPerField; }

const char* figureName(Figure figure) {
  switch (figure) {
    case Figure::OriginalSquare:
      return "original-square";
    case Figure::CorrectedSquare:
      return "corrected-square";
    case Figure::MaxField:
      return "max-field";
  }
  return "?";
}

const char* eventName(FieldEvent::Kind kind) {
  switch (kind) {
    case FieldEvent::Kind::Field:
      return "field";
    case FieldEvent::Kind::Mark:
      return "mark";
    case FieldEvent::Kind::Move:
      return "move";
    case FieldEvent::Kind::Aiming:
      return "aiming";
    case FieldEvent::Kind::Alignment:
      return "alignment";
    case FieldEvent::Kind::CenterCross:
      return "center-cross";
    case FieldEvent::Kind::DistortionPreview:
      return "distortion-preview";
    case FieldEvent::Kind::Clear:
      return "clear";
  }
  return "?";
}

Outline markFigure(Figure figure, const controller::ControllerState& state, const LensError& lens,
                   controller::Offset distortionJogs) {
  const double side = fieldSide(state.lens);
  const double halfSide = side / 2;
  Outline outline;
  outline.figure = figure;
  outline.nominal = figure == Figure::MaxField ? side : halfSide;
  const controller::Offset jogs = controller::shifted(state.distortionOffset, distortionJogs);
  const Point shift = centerShift(state, jogStep(side));
  outline.points = squarePath(outline.nominal / 2);
  for (Point& p : outline.points) {
    if (figure == Figure::CorrectedSquare) p = corrected(state, jogs, halfSide, p);
    p = field::throughLens(lens, halfSide, p) + shift;
  }
  // Every step keeps the axes through the aimed centre, so the figure's centre is the shift.
  outline.width = across(outline.points, shift.y, true);
  outline.height = across(outline.points, shift.x, false);
  return outline;
}

FieldModel::FieldModel(LensError lens, const controller::ControllerState& state) : lens_(lens) {
  view_.side = fieldSide(state.lens);
}

std::vector<FieldEvent> FieldModel::command(std::uint8_t code, const controller::ControllerState& state,
                                            const controller::Activity& activity) {
  using Kind = FieldEvent::Kind;
  std::vector<FieldEvent> events;
  // A lens set by this command changes the field before anything is marked on it.
  followLens(state, events);
  const double side = view_.side;
  const double step = jogStep(side);

  auto mark = [&](Figure figure) {
    if (view_.marks.size() == FieldView::kKeptMarks) view_.marks.erase(view_.marks.begin());
    view_.marks.push_back(markFigure(figure, state, lens_));
    ++view_.marked[static_cast<std::size_t>(figure)];
    add(events, Kind::Mark).figure = view_.marks.back();
  };
  switch (code) {
    case protocol::CMD_MARK_ORIGINAL_SQUARE:
      mark(Figure::OriginalSquare);
      break;
    case protocol::CMD_MARK_CORRECTED_SQUARE:
      mark(Figure::CorrectedSquare);
      break;
    case protocol::CMD_MARK_MAX_FIELD:
      if (activity.maxField) mark(Figure::MaxField);  // switched on; off marks nothing
      break;
    case protocol::CMD_MOVE_TO_X:
    case protocol::CMD_MOVE_TO_Y: {
      // A value byte spans the field: 0 its left (bottom) edge, 255 its right (top) one.
      auto axis = [side](std::uint8_t byte) { return (byte / 255.0 - 0.5) * side; };
      view_.spot = Point{axis(activity.moveX), axis(activity.moveY)} + centerShift(state, step);
      add(events, Kind::Move).at = view_.spot;
      break;
    }
    default:
      break;
  }
  followActivity(state, activity, events);
  return events;
}

std::vector<FieldEvent> FieldModel::follow(const controller::ControllerState& state,
                                           const controller::Activity& activity) {
  std::vector<FieldEvent> events;
  followLens(state, events);
  followActivity(state, activity, events);
  return events;
}

void FieldModel::followLens(const controller::ControllerState& state, std::vector<FieldEvent>& events) {
  const double side = fieldSide(state.lens);
  if (side == view_.side) return;
  view_.side = side;
  add(events, FieldEvent::Kind::Field).side = side;
}

void FieldModel::followActivity(const controller::ControllerState& state, const controller::Activity& activity,
                                std::vector<FieldEvent>& events) {
  using Kind = FieldEvent::Kind;
  const double side = view_.side;
  const double step = jogStep(side);

  std::optional<Point> dot;
  if (activity.aiming)
    dot = centerShift(state, step) + steps(step, (static_cast<double>(state.aimTopLeft.x) + state.aimBottomRight.x) / 2,
                                           (static_cast<double>(state.aimTopLeft.y) + state.aimBottomRight.y) / 2);
  if (update(view_.aimingDot, dot)) add(events, Kind::Aiming, dot.has_value()).at = dot;

  std::optional<AlignmentPoints> alignment;
  if (activity.mode == controller::Mode::AimTopLeft || activity.mode == controller::Mode::AimBottomRight)
    alignment = alignmentPoints(state, activity, side);
  if (update(view_.alignment, alignment)) add(events, Kind::Alignment, alignment.has_value()).alignment = alignment;

  std::optional<Point> cross;
  if (activity.mode == controller::Mode::CenterAdjust) {
    const controller::Offset at = controller::shifted(state.centerOffset, activity.pending);
    cross = steps(step, at.x, at.y);
  }
  if (update(view_.centerCross, cross)) add(events, Kind::CenterCross, cross.has_value()).at = cross;

  std::optional<Outline> preview;
  if (activity.mode == controller::Mode::DistortionAdjust)
    preview = markFigure(Figure::CorrectedSquare, state, lens_, activity.pending);
  if (update(view_.distortionPreview, preview))
    add(events, Kind::DistortionPreview, preview.has_value()).figure = preview;
}

FieldEvent FieldModel::clear() {
  view_.marks.clear();
  view_.marked = {};
  view_.spot.reset();
  FieldEvent event;
  event.kind = FieldEvent::Kind::Clear;
  return event;
}

// For assistive technology, in the user's language: one sentence for each
// thing drawn, the sizes and points as numbers with a decimal point.
std::string FieldModel::describe() const {
  const auto local = [](const char* text) { return QCoreApplication::translate("zor::simulator::FieldModel", text); };
  const auto shown = [](const std::string& text) { return QString::fromStdString(text); };
  const auto sized = [&](const Outline& o) {
    return QCoreApplication::translate("zor::simulator::FieldModel", "%1 wide and %2 high (meant to be %3)")
        .arg(shown(mm(o.width)), shown(mm(o.height)), shown(mm(o.nominal)));
  };
  QStringList text{
      QCoreApplication::translate("zor::simulator::FieldModel", "Scan field %1 square.").arg(shown(mm(view_.side)))};
  if (view_.marks.empty()) text << QCoreApplication::translate("zor::simulator::FieldModel", "Nothing marked.");
  static constexpr std::array<std::pair<Figure, const char*>, 3> kFigures{
      {{Figure::OriginalSquare, QT_TRANSLATE_NOOP("zor::simulator::FieldModel", "Original square")},
       {Figure::CorrectedSquare, QT_TRANSLATE_NOOP("zor::simulator::FieldModel", "Corrected square")},
       {Figure::MaxField, QT_TRANSLATE_NOOP("zor::simulator::FieldModel", "Maximum field")}}};
  for (const auto& [figure, name] : kFigures) {
    const std::uint64_t count = view_.marked[static_cast<std::size_t>(figure)];
    const auto last = std::find_if(view_.marks.rbegin(), view_.marks.rend(),
                                   [figure](const Outline& o) { return o.figure == figure; });
    if (count == 0) continue;
    const QString figureName = local(name);
    const bool sizes = last != view_.marks.rend();
    if (count == 1 && !sizes)
      text << QCoreApplication::translate("zor::simulator::FieldModel", "%1 marked.").arg(figureName);
    if (count == 1 && sizes)
      text << QCoreApplication::translate("zor::simulator::FieldModel", "%1 marked %2.").arg(figureName, sized(*last));
    if (count > 1 && !sizes)
      text << QCoreApplication::translate("zor::simulator::FieldModel", "%1 marked %2 times.")
                  .arg(figureName)
                  .arg(count);
    if (count > 1 && sizes)
      text << QCoreApplication::translate("zor::simulator::FieldModel", "%1 marked %2 times, the last %3.")
                  .arg(figureName, QString::number(count), sized(*last));
  }
  if (view_.spot)
    text << QCoreApplication::translate("zor::simulator::FieldModel", "Spot at %1.").arg(shown(pointText(*view_.spot)));
  if (view_.aimingDot)
    text << QCoreApplication::translate("zor::simulator::FieldModel", "Aiming dot at %1.")
                .arg(shown(pointText(*view_.aimingDot)));
  if (view_.alignment)
    text << (view_.alignment->bottomRightActive
                 ? QCoreApplication::translate("zor::simulator::FieldModel",
                                               "Aiming alignment: top left point at %1, right bottom point at %2; "
                                               "aligning the right bottom point.")
                 : QCoreApplication::translate("zor::simulator::FieldModel",
                                               "Aiming alignment: top left point at %1, right bottom point at %2; "
                                               "aligning the top left point."))
                .arg(shown(pointText(view_.alignment->topLeft)), shown(pointText(view_.alignment->bottomRight)));
  if (view_.centerCross)
    text << QCoreApplication::translate("zor::simulator::FieldModel", "Centering: field centre at %1.")
                .arg(shown(pointText(*view_.centerCross)));
  if (view_.distortionPreview)
    text << QCoreApplication::translate("zor::simulator::FieldModel", "Distortion preview: corrected square %1.")
                .arg(sized(*view_.distortionPreview));
  return text.join(QLatin1Char(' ')).toStdString();
}

std::string fieldEventJson(const FieldEvent& event, double t, std::int32_t system) {
  using Kind = FieldEvent::Kind;
  std::string line = "{\"t\":" + jsonNumber(t, 3) + ",\"system\":" + std::to_string(system) + ",\"event\":\"" +
                     eventName(event.kind) + '"';
  switch (event.kind) {
    case Kind::Field:
      line += ",\"side_mm\":" + jsonNumber(event.side, 4);
      break;
    case Kind::Aiming:
    case Kind::Alignment:
    case Kind::CenterCross:
    case Kind::DistortionPreview:
      line += event.on ? ",\"on\":true" : ",\"on\":false";
      break;
    case Kind::Mark:
    case Kind::Move:
    case Kind::Clear:
      break;
  }
  if (event.figure) line += jsonOutline(*event.figure);
  if (event.at) line += jsonAt(*event.at);
  if (event.alignment)
    line += ",\"points\":" + jsonPoints({event.alignment->topLeft, event.alignment->bottomRight}) + ",\"active\":\"" +
            (event.alignment->bottomRightActive ? "bottom-right" : "top-left") + '"';
  return line + '}';
}

}  // namespace zor::simulator
