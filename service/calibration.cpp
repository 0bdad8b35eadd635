// The field calibration: fit the scan field's model to what was measured,
// then solve the model for the corrections that put the corrected square on
// its nominal size; and the two operations that read and send them.

#include "service/calibration.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "field/scan_field.h"
#include "service/format.h"
#include "service/messages.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {
namespace {

// A small least-squares solver (Gauss-Newton with numeric derivatives) for
// the model's few unknowns: at most four parameters, at most four sizes.
constexpr std::size_t kMax = 4;
using Vector = std::array<double, kMax>;
using Residuals = std::function<Vector(const Vector&)>;

// Solves a x = b for n unknowns by elimination with partial pivoting; false when singular.
bool SolveLinear(std::array<Vector, kMax> a, Vector b, std::size_t n, Vector& x) {
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row)
      if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
    if (std::abs(a[pivot][col]) < 1e-300) return false;
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (std::size_t row = col + 1; row < n; ++row) {
      const double f = a[row][col] / a[col][col];
      for (std::size_t k = col; k < n; ++k) a[row][k] -= f * a[col][k];
      b[row] -= f * b[col];
    }
  }
  for (std::size_t i = n; i-- > 0;) {
    double sum = b[i];
    for (std::size_t k = i + 1; k < n; ++k) sum -= a[i][k] * x[k];
    x[i] = sum / a[i][i];
  }
  return true;
}

double Cost(const Vector& r, std::size_t m) {
  double sum = 0;
  for (std::size_t i = 0; i < m; ++i) sum += r[i] * r[i];
  return sum;
}

// Minimises the sum of the m residuals' squares over the n parameters from
// start (Levenberg-Marquardt: Gauss-Newton steps, damped while they do not
// lower the sum); nothing when the model cannot be fitted.
std::optional<Vector> LeastSquares(const Residuals& residuals, Vector start, std::size_t n, std::size_t m) {
  constexpr double kDelta = 1e-7;
  Vector x = start;
  Vector r = residuals(x);
  double cost = Cost(r, m);
  double damping = 1e-3;
  for (int iteration = 0; iteration < 200 && std::isfinite(cost); ++iteration) {
    std::array<Vector, kMax> jacobian{};  // jacobian[i][j]: d residual i / d parameter j
    for (std::size_t j = 0; j < n; ++j) {
      Vector moved = x;
      moved[j] += kDelta;
      const Vector rj = residuals(moved);
      for (std::size_t i = 0; i < m; ++i) jacobian[i][j] = (rj[i] - r[i]) / kDelta;
    }
    std::array<Vector, kMax> normal{};
    Vector gradient{};
    for (std::size_t a = 0; a < n; ++a) {
      for (std::size_t b = 0; b < n; ++b)
        for (std::size_t i = 0; i < m; ++i) normal[a][b] += jacobian[i][a] * jacobian[i][b];
      for (std::size_t i = 0; i < m; ++i) gradient[a] -= jacobian[i][a] * r[i];
    }
    // Damped steps until one lowers the sum, or none can.
    for (;;) {
      std::array<Vector, kMax> damped = normal;
      for (std::size_t a = 0; a < n; ++a) damped[a][a] += damping * normal[a][a];
      Vector step{};
      if (!SolveLinear(damped, gradient, n, step)) return std::nullopt;
      Vector tried = x;
      double largest = 0;
      for (std::size_t j = 0; j < n; ++j) {
        tried[j] += step[j];
        largest = std::max(largest, std::abs(step[j]));
      }
      const Vector rt = residuals(tried);
      const double triedCost = Cost(rt, m);
      if (std::isfinite(triedCost) && triedCost <= cost) {
        x = tried;
        r = rt;
        const bool settled = largest < 1e-13 || triedCost == cost;
        cost = triedCost;
        damping = std::max(damping / 10, 1e-12);
        if (settled) return x;
        break;
      }
      damping *= 10;
      if (damping > 1e12) return x;  // no step lowers it: as close as it gets
    }
  }
  return std::isfinite(cost) ? std::optional<Vector>(x) : std::nullopt;
}

struct Measured {
  Input input;
  std::optional<double> value;
  const char* name;  // in messages, marked for translation
};

std::array<Measured, 4> MeasuredSizes(const SquareSizes& m) {
  return {
      {{Input::CalibrationWidth, m.widthMm, QT_TRANSLATE_NOOP("zor::service::Calibration", "width across the middle")},
       {Input::CalibrationHeight, m.heightMm,
        QT_TRANSLATE_NOOP("zor::service::Calibration", "height across the middle")},
       {Input::CalibrationTop, m.topMm, QT_TRANSLATE_NOOP("zor::service::Calibration", "top edge")},
       {Input::CalibrationLeft, m.leftMm, QT_TRANSLATE_NOOP("zor::service::Calibration", "left edge")}}};
}

std::u16string Mm(double value) { return ToQString(u"").setNum(value, 'f', 4).toStdU16String() + u" mm"; }

Outcome Refuse(Input input, const text::PeopleText& message) { return Outcome::refused(input, message); }

field::Corrections CorrectionsOf(double scaleX, double scaleY, double wordX, double wordY) {
  return {scaleX, scaleY, wordX, wordY};
}

// Whether the measured square is within tolerance of its nominal size.
bool WithinTolerance(const SquareSizes& m, double nominal, const CalibrationTolerance& t) {
  // A hair of slack so that a size exactly on the limit counts as within it.
  constexpr double kSlack = 1e-9;
  const double limit = nominal * t.percent / 100 + kSlack;
  if (std::abs(m.widthMm - nominal) > limit || std::abs(m.heightMm - nominal) > limit) return false;
  if (m.topMm && std::abs(*m.topMm - m.widthMm) > t.edgeMm + kSlack) return false;
  if (m.leftMm && std::abs(*m.leftMm - m.heightMm) > t.edgeMm + kSlack) return false;
  return true;
}

// The scale as its text carries it and the controller takes it back.
std::optional<double> ScaleOfText(const std::u16string& text) {
  bool ok = false;
  const double value = ToQString(text).toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

QJsonObject SizesJson(double width, double height, std::optional<double> top, std::optional<double> left) {
  QJsonObject o{{QStringLiteral("width_mm"), width}, {QStringLiteral("height_mm"), height}};
  if (top) o.insert(QStringLiteral("top_mm"), *top);
  if (left) o.insert(QStringLiteral("left_mm"), *left);
  return o;
}

QJsonObject ValuesJson(const std::u16string& scaleX, const std::u16string& scaleY, Distortion d) {
  // The scale as its text has it (5 decimals), not the float's long tail.
  return {{QStringLiteral("scale_x"), ToQString(scaleX).toDouble()},
          {QStringLiteral("scale_y"), ToQString(scaleY).toDouble()},
          {QStringLiteral("distortion_x"), d.x},
          {QStringLiteral("distortion_y"), d.y}};
}

// Every size within kCalibrationMaxDeviation of nominal.
Outcome CheckAgainstNominal(const SquareSizes& m, double nominal) {
  for (const Measured& s : MeasuredSizes(m)) {
    if (s.value && std::abs(*s.value - nominal) > nominal * kCalibrationMaxDeviation)
      return Refuse(s.input, text::Tr("zor::service::Calibration",
                                      "The %1 %2 is more than %3 % away from the nominal %4: check the figure.")
                                 .arg(Marked("zor::service::Calibration", s.name))
                                 .arg(Mm(*s.value))
                                 .arg(std::lround(kCalibrationMaxDeviation * 100))
                                 .arg(Mm(nominal)));
  }
  return Outcome::done();
}

}  // namespace

Outcome CheckCalibrationInput(const CalibrationInput& input) {
  const SquareSizes& m = input.measured;
  for (const Measured& s : MeasuredSizes(m)) {
    if (s.value && (!std::isfinite(*s.value) || *s.value <= 0))
      return Refuse(s.input, text::Tr("zor::service::Calibration", "The %1 must be a positive number of millimetres.")
                                 .arg(Marked("zor::service::Calibration", s.name)));
  }
  if (m.topMm.has_value() != m.leftMm.has_value()) {
    const bool top = m.topMm.has_value();
    return Refuse(top ? Input::CalibrationLeft : Input::CalibrationTop,
                  top ? text::Tr("zor::service::Calibration",
                                 "The top edge was given without the left edge: measure both edges, or neither.")
                      : text::Tr("zor::service::Calibration",
                                 "The left edge was given without the top edge: measure both edges, or neither."));
  }
  const CalibrationTolerance& tolerance = input.tolerance;
  if (!std::isfinite(tolerance.percent) || tolerance.percent < 0 || !std::isfinite(tolerance.edgeMm) ||
      tolerance.edgeMm < 0)
    return Refuse(Input::None, text::Tr("zor::service::Calibration",
                                        "The tolerance must be a percentage and millimetres of 0 or more."));
  if (!input.nominalMm) return Outcome::done();
  if (!std::isfinite(*input.nominalMm) || *input.nominalMm <= 0)
    return Refuse(Input::CalibrationNominal,
                  text::Tr("zor::service::Calibration", "The nominal size must be a positive number of millimetres."));
  return CheckAgainstNominal(m, *input.nominalMm);
}

Reading<CalibrationPlan> ComputeCalibration(const CalibrationInput& input, std::uint16_t lensFocalMm, Scale current,
                                            Distortion currentDistortion) {
  if (Outcome checked = CheckCalibrationInput(input); !checked.ok()) return checked;
  const SquareSizes& m = input.measured;
  const CalibrationTolerance& tolerance = input.tolerance;
  const double nominal = input.nominalMm.value_or(field::fieldSide(lensFocalMm) / 2);
  if (nominal <= 0)
    return Refuse(
        Input::CalibrationNominal,
        text::Tr("zor::service::Calibration", "The controller holds no lens focal length: give the nominal size."));
  if (Outcome checked = CheckAgainstNominal(m, nominal); !checked.ok()) return checked;
  if (!(current.x > 0) || !(current.y > 0) || !std::isfinite(current.x) || !std::isfinite(current.y))
    return Refuse(current.x > 0 ? Input::ScaleY : Input::ScaleX,
                  text::Tr("zor::service::Calibration",
                           "The controller's scale correction (%1, %2) is not a positive factor: set it first.")
                      .arg(FormatFixed5(current.x))
                      .arg(FormatFixed5(current.y)));

  CalibrationPlan plan;
  plan.measured = m;
  plan.nominalMm = nominal;
  plan.oldScale = current;
  plan.oldDistortion = currentDistortion;
  plan.newScale = current;
  plan.newDistortion = currentDistortion;
  plan.scaleXText = FormatFixed5(current.x);
  plan.scaleYText = FormatFixed5(current.y);
  plan.distortionXText = FormatUnsigned(currentDistortion.x);
  plan.distortionYText = FormatUnsigned(currentDistortion.y);
  plan.expectedWidthMm = m.widthMm;
  plan.expectedHeightMm = m.heightMm;
  plan.expectedTopMm = m.topMm;
  plan.expectedLeftMm = m.leftMm;
  if (WithinTolerance(m, nominal, tolerance)) {
    plan.withinTolerance = true;
    return plan;
  }

  // The square is half the field's side: R, the field's half side, is the nominal size.
  const double halfSide = nominal;
  const bool edges = m.topMm.has_value();
  const std::size_t count = edges ? 4 : 2;
  const Vector measured{m.widthMm, m.heightMm, m.topMm.value_or(0), m.leftMm.value_or(0)};
  auto sizesOf = [&](const field::Corrections& c, const field::LensError& lens) {
    const field::SquareSizes s = field::correctedSquareSizes(c, lens, halfSide, nominal);
    return Vector{s.width, s.height, s.top, s.left};
  };

  // 1. The lens: its scale errors and, with the edges, its radial error,
  // fitted to the sizes measured under the corrections in force. Without
  // the edges nothing tells its radial error: it is taken as none.
  const field::Corrections now = CorrectionsOf(current.x, current.y, currentDistortion.x, currentDistortion.y);
  auto lensOf = [](const Vector& p) { return field::LensError{p[0], p[1], p[2]}; };
  const Residuals fromMeasured = [&](const Vector& p) {
    Vector r = sizesOf(now, lensOf(p));
    for (std::size_t i = 0; i < kMax; ++i) r[i] -= measured[i];
    return r;
  };
  const auto lens = LeastSquares(fromMeasured, Vector{}, edges ? 3 : 2, count);
  if (lens) {
    const Vector r = fromMeasured(*lens);
    for (std::size_t i = 0; i < count; ++i) plan.modelMisfitMm = std::max(plan.modelMisfitMm, std::abs(r[i]));
  }
  // 2. The corrections that bring every measured size to nominal through that lens.
  const Vector start{current.x, current.y, field::distortionCoefficient(currentDistortion.x),
                     field::distortionCoefficient(currentDistortion.y)};
  auto correctionsOf = [&](const Vector& p) {
    return edges ? field::Corrections{p[0], p[1], field::distortionWord(p[2]), field::distortionWord(p[3])}
                 : CorrectionsOf(p[0], p[1], currentDistortion.x, currentDistortion.y);
  };
  const Residuals fromNominal = [&](const Vector& p) {
    Vector r = sizesOf(correctionsOf(p), lensOf(*lens));
    for (double& size : r) size -= nominal;
    return r;
  };
  const auto solved = lens ? LeastSquares(fromNominal, start, count, count) : std::nullopt;
  // Solved: every size on nominal, not merely as close as the values get.
  const bool fits = solved && [&] {
    const Vector r = fromNominal(*solved);
    return std::all_of(r.begin(), r.begin() + static_cast<std::ptrdiff_t>(count),
                       [&](double e) { return std::abs(e) < nominal * 1e-9; });
  }();
  if (!fits)
    return Refuse(Input::None,
                  text::Tr("zor::service::Calibration",
                           "No scale and distortion correction brings these sizes to nominal: check the figures."));

  // 3. The values as sent: the scale as a text of 5 decimals, the words whole.
  const field::Corrections wanted = correctionsOf(*solved);
  const std::array<std::pair<Input, double>, 2> scales{
      {{Input::ScaleX, wanted.scaleX}, {Input::ScaleY, wanted.scaleY}}};
  std::array<double, 2> sent{};
  for (std::size_t i = 0; i < 2; ++i) {
    const auto [which, value] = scales[i];
    const std::u16string text = FormatFixed5(static_cast<float>(value));
    const auto back = ScaleOfText(text);
    if (!std::isfinite(value) || text.empty() || text.size() > protocol::kMaxTextLength || !back ||
        !std::isfinite(*back) || *back <= 0)
      return Refuse(which, text::Tr("zor::service::Calibration",
                                    "%1: the calibration needs %2, which the controller cannot take as a scale.")
                               .arg(InputText(which))
                               .arg(ToQString(u"").setNum(value)));
    (i == 0 ? plan.scaleXText : plan.scaleYText) = text;
    sent[i] = *back;
  }
  plan.newScale = Scale{static_cast<float>(sent[0]), static_cast<float>(sent[1])};
  if (edges) {
    const std::array<std::pair<Input, double>, 2> words{
        {{Input::DistortionX, wanted.distortionX}, {Input::DistortionY, wanted.distortionY}}};
    for (std::size_t i = 0; i < 2; ++i) {
      const auto [which, value] = words[i];
      const double word = std::round(value);
      if (!std::isfinite(word) || word < 0 || word > 65535)
        return Refuse(which,
                      text::Tr("zor::service::Calibration",
                               "%1: the calibration needs the word %2, outside the 0 to 65535 the controller takes.")
                          .arg(InputText(which))
                          .arg(ToQString(u"").setNum(word, 'f', 0)));
      (i == 0 ? plan.newDistortion.x : plan.newDistortion.y) = static_cast<std::uint16_t>(word);
    }
    plan.distortionXText = FormatUnsigned(plan.newDistortion.x);
    plan.distortionYText = FormatUnsigned(plan.newDistortion.y);
  }
  plan.scaleChanges = plan.scaleXText != FormatFixed5(current.x) || plan.scaleYText != FormatFixed5(current.y);
  plan.distortionChanges = plan.newDistortion.x != currentDistortion.x || plan.newDistortion.y != currentDistortion.y;

  // 4. What the next square should measure with the values as the controller will hold them.
  const Vector expected =
      sizesOf(CorrectionsOf(sent[0], sent[1], plan.newDistortion.x, plan.newDistortion.y), lensOf(*lens));
  plan.expectedWidthMm = expected[0];
  plan.expectedHeightMm = expected[1];
  if (edges) {
    plan.expectedTopMm = expected[2];
    plan.expectedLeftMm = expected[3];
  }
  return plan;
}

QJsonObject CalibrationJson(const CalibrationPlan& plan, bool sent) {
  const SquareSizes& m = plan.measured;
  return {{QStringLiteral("measured"), SizesJson(m.widthMm, m.heightMm, m.topMm, m.leftMm)},
          {QStringLiteral("nominal_mm"), plan.nominalMm},
          {QStringLiteral("old"),
           ValuesJson(FormatFixed5(plan.oldScale.x), FormatFixed5(plan.oldScale.y), plan.oldDistortion)},
          {QStringLiteral("new"), ValuesJson(plan.scaleXText, plan.scaleYText, plan.newDistortion)},
          {QStringLiteral("expected"),
           SizesJson(plan.expectedWidthMm, plan.expectedHeightMm, plan.expectedTopMm, plan.expectedLeftMm)},
          {QStringLiteral("within_tolerance"), plan.withinTolerance},
          {QStringLiteral("sent"), sent}};
}

namespace {

// The largest error of a square: each middle size from nominal, each edge from its middle size.
double LargestError(const SquareSizes& m, double nominal) {
  double error = std::max(std::abs(m.widthMm - nominal), std::abs(m.heightMm - nominal));
  if (m.topMm) error = std::max(error, std::abs(*m.topMm - m.widthMm));
  if (m.leftMm) error = std::max(error, std::abs(*m.leftMm - m.heightMm));
  return error;
}

std::optional<SquareSizes> SizesOf(const QJsonObject& o) {
  const QJsonValue width = o.value(QStringLiteral("width_mm"));
  const QJsonValue height = o.value(QStringLiteral("height_mm"));
  if (!width.isDouble() || !height.isDouble()) return std::nullopt;
  SquareSizes s{width.toDouble(), height.toDouble(), {}, {}};
  if (const QJsonValue top = o.value(QStringLiteral("top_mm")); top.isDouble()) s.topMm = top.toDouble();
  if (const QJsonValue left = o.value(QStringLiteral("left_mm")); left.isDouble()) s.leftMm = left.toDouble();
  return s;
}

std::u16string SizesText(const SquareSizes& s) {
  return ToQString(u"").setNum(s.widthMm, 'f', 2).toStdU16String() + u" x " +
         ToQString(u"").setNum(s.heightMm, 'f', 2).toStdU16String() + u" mm";
}

}  // namespace

std::optional<std::u16string> CalibrationProgress(const QJsonObject& previous, const CalibrationPlan& now) {
  if (now.withinTolerance) return std::nullopt;
  const auto before = SizesOf(previous.value(QStringLiteral("measured")).toObject());
  const auto expected = SizesOf(previous.value(QStringLiteral("expected")).toObject());
  const QJsonValue nominal = previous.value(QStringLiteral("nominal_mm"));
  if (!before || !expected || !nominal.isDouble() || std::abs(nominal.toDouble() - now.nominalMm) > 1e-6)
    return std::nullopt;
  if (LargestError(now.measured, now.nominalMm) < LargestError(*before, now.nominalMm)) return std::nullopt;
  return text::Tr("zor::service::Calibration",
                  "The last round did not bring the square closer to its nominal size: it measured %1, was expected "
                  "to measure %2, and measures %3 now. This controller's corrections may act otherwise than the model "
                  "has them: check the measurements, or correct the values by hand.")
      .arg(SizesText(*before))
      .arg(SizesText(*expected))
      .arg(SizesText(now.measured))
      .localU16();
}

std::u16string CalibrationSummary(const CalibrationPlan& plan) {
  std::u16string text;
  if (plan.scaleChanges) text = u"scale " + plan.scaleXText + u' ' + plan.scaleYText;
  if (plan.distortionChanges)
    text += (text.empty() ? u"" : u", ") + std::u16string(u"distortion ") + plan.distortionXText + u' ' +
            plan.distortionYText;
  return text;
}

// The outcome of a Set the calibration made, its message after what was not taken.
Outcome NotTaken(const text::PeopleText& what, const Outcome& outcome) {
  Outcome told = Outcome::failed(
      outcome.status, what + text::PeopleText(QStringLiteral(" "), QStringLiteral(" ")) + MessageText(outcome));
  told.input = outcome.input;
  told.notKept = outcome.notKept;
  return told;
}

// ---- the operations -----------------------------------------------------------------

Reading<CalibrationPlan> Maintenance::planCalibration(const CalibrationInput& input) {
  if (Outcome connected = checkConnection(); !connected.ok()) return connected;
  std::uint16_t lens = 0;
  if (!input.nominalMm) {
    // The lens as the controller holds it now: it may have been set since the system was found.
    const Reading<Identity> identity = readIdentity();
    if (!identity.ok()) return Outcome(identity);
    lens = identity.value.info.lens;
  }
  const Reading<Scale> scale = readScale();
  if (!scale.ok()) return Outcome(scale);
  const Reading<Distortion> distortion = readDistortion();
  if (!distortion.ok()) return Outcome(distortion);
  return ComputeCalibration(input, lens, scale.value, distortion.value);
}

// Each Set is the panel's own; a Set the controller did not take ends the
// round there, and the record says which value was not taken.
Outcome Maintenance::applyCalibration(const CalibrationPlan& plan) {
  OperationObserver* const observer = observer_;
  observer_ = nullptr;  // the round is one record, not one per Set
  Outcome outcome;
  bool sent = false;
  const auto before = channel_.packetsOffered();
  if (plan.scaleChanges) {
    outcome = setScale(plan.scaleXText, plan.scaleYText);
    if (!outcome.ok() && !outcome.message.empty())
      outcome = NotTaken(text::Tr("zor::service::Calibration", "The new scale correction was not taken."), outcome);
  }
  if (outcome.ok() && plan.distortionChanges) {
    outcome = setDistortion(plan.distortionXText, plan.distortionYText);
    if (!outcome.ok() && !outcome.message.empty())
      outcome =
          NotTaken(text::Tr("zor::service::Calibration", "The new distortion correction was not taken."), outcome);
  }
  sent = outcome.ok() && (plan.scaleChanges || plan.distortionChanges);
  observer_ = observer;
  if (channel_.packetsOffered() != before && observer_ != nullptr) {
    OperationRecord record{u"calibrate", CalibrationSummary(plan), outcome};
    record.extraJson =
        "\"calibration\":" + QJsonDocument(CalibrationJson(plan, sent)).toJson(QJsonDocument::Compact).toStdString();
    observer_->operationEnded(record);
  }
  return outcome;
}

}  // namespace zor::service
