// zorctl calibrate: the field calibration assistant on the command line.

#include <QJsonObject>
#include <charconv>
#include <cmath>

#include "service/calibration.h"
#include "service/format.h"
#include "service/service_log.h"
#include "zorctl/commands_common.h"
#include "zorctl/interrupt.h"

namespace zor::zorctl {

namespace {

namespace svc = zor::service;
using svc::Maintenance;
using svc::Outcome;

// A number of millimetres as typed: digits with at most one decimal point,
// perhaps a sign. A comma is refused by name: values on the command line
// are the same in every locale.
std::optional<double> ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789.-") != std::string_view::npos) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

PeopleText NotANumber(const std::string& option, const std::string& text) {
  const bool comma = text.find(',') != std::string::npos;
  return Args(comma ? Tr("zorctl::Calibrate",
                         "calibrate: %1 '%2' is not a number of millimetres: write the decimal point as a point, "
                         "e.g. 55.01")
                    : Tr("zorctl::Calibrate", "calibrate: %1 '%2' is not a number of millimetres (e.g. 55.01)"),
              Value(option), Value(text));
}

// The result lines' names (nominal, measured, scale_x, ...) and values stay
// as they are in every language, as get's do; the words between them follow
// the user's.

// A misfit beyond what measuring to 0.01 mm explains.
constexpr double kMisfitToTell = 0.01;

std::string Mm(double value) { return QString::number(value, 'f', 4).toStdString(); }

std::string Sizes(double width, double height, std::optional<double> top, std::optional<double> left) {
  std::string text = Mm(width) + " x " + Mm(height) + " mm";
  if (top && left)
    text += Local(Args(Tr("zorctl::Calibrate", " (top edge %1, left edge %2)"), Value(Mm(*top)), Value(Mm(*left))));
  return text;
}

void PrintPlan(const svc::CalibrationPlan& p, Output& out) {
  out.line("nominal: " + Mm(p.nominalMm) + " mm");
  out.line("measured: " + Sizes(p.measured.widthMm, p.measured.heightMm, p.measured.topMm, p.measured.leftMm));
  auto change = [&](const char* name, const std::u16string& from, const std::u16string& to) {
    out.line(std::string(name) + ": " + ToUtf8(from) +
             (from == to ? Local(Tr("zorctl::Calibrate", " (unchanged)")) : " -> " + ToUtf8(to)));
  };
  change("scale_x", svc::FormatFixed5(p.oldScale.x), p.scaleXText);
  change("scale_y", svc::FormatFixed5(p.oldScale.y), p.scaleYText);
  change("distortion_x", svc::FormatUnsigned(p.oldDistortion.x), p.distortionXText);
  change("distortion_y", svc::FormatUnsigned(p.oldDistortion.y), p.distortionYText);
  out.line("expected: " + Sizes(p.expectedWidthMm, p.expectedHeightMm, p.expectedTopMm, p.expectedLeftMm));
}

// The previous applied round of this system in the service log, if any,
// told when this round's measurements lie no closer to nominal than the
// previous round's did: the corrections then act otherwise than the model
// has them.
void CompareWithPreviousRound(Context& c, const svc::CalibrationPlan& plan) {
  const auto& identity = c.session.service().identity();
  if (!identity || !identity->readable) return;
  const svc::Reading<svc::ServiceLogContents> log = svc::ReadServiceLog(svc::ServiceLogPath());
  if (!log.ok()) return;  // the log's own problems are told when it is written
  for (auto e = log.value.entries.rbegin(); e != log.value.entries.rend(); ++e) {
    if (e->serial != identity->info.serial || e->operation != QStringLiteral("calibrate") ||
        e->outcome != QStringLiteral("done"))
      continue;
    const QJsonObject previous = e->object.value(QStringLiteral("calibration")).toObject();
    if (const auto warning = svc::CalibrationProgress(previous, plan)) c.out.info(ToUtf8(*warning));
    return;
  }
}

}  // namespace

int Calibrate(Context& c) {
  const Options& o = c.inv.options;
  if (!o.width || !o.height) return Usage(c.out, Tr("zorctl::Calibrate", "calibrate needs --width MM and --height MM"));
  svc::CalibrationInput input;
  struct Given {
    const char* option;
    const std::optional<std::string>& text;
  };
  std::optional<double> values[5];
  const Given given[] = {
      {"--width", o.width}, {"--height", o.height}, {"--top", o.top}, {"--left", o.left}, {"--nominal", o.nominal}};
  for (std::size_t i = 0; i < std::size(given); ++i) {
    if (!given[i].text) continue;
    values[i] = ParseNumber(*given[i].text);
    if (!values[i]) return Refuse(c.out, NotANumber(given[i].option, *given[i].text));
  }
  input.measured = {*values[0], *values[1], values[2], values[3]};
  input.nominalMm = values[4];
  if (o.tolerance) {
    const std::string& t = *o.tolerance;
    const auto comma = t.find(',');
    const auto percent = comma == std::string::npos ? std::nullopt : ParseNumber(std::string_view(t).substr(0, comma));
    const auto mm = comma == std::string::npos ? std::nullopt : ParseNumber(std::string_view(t).substr(comma + 1));
    if (!percent || !mm)
      return Refuse(c.out, Tr("zorctl::Calibrate",
                              "calibrate: --tolerance '%1' is not PCT,MM (a percentage and millimetres, e.g. "
                              "0.05,0.02)")
                               .arg(Value(t)));
    input.tolerance = {*percent, *mm};
  }
  if (const Outcome checked = svc::CheckCalibrationInput(input); !checked.ok())
    return Refuse(c.out, Tr("zorctl::Calibrate", "calibrate: %1").arg(Told(checked)));

  const bool edges = input.measured.topMm.has_value();
  if (o.dryRun) {
    // What is sent depends on what is read: the plan is the reads.
    c.out.info(Local(
        Tr("zorctl::Calibrate", "calibrate: the new values depend on the corrections read; a dry run reads nothing")));
    return DryRead(c, [input](Maintenance& m) { return Outcome(m.planCalibration(input)); });
  }
  if (const int status = c.open(); status != kDone) return status;
  if (const int status = c.checkFamily(svc::Feature::ScaleValues, "calibrate"); status != kDone) return status;
  if (edges) {
    if (const int status = c.checkFamily(svc::Feature::DistortionValues, "calibrate"); status != kDone) return status;
  }
  if (o.mark && !o.noSet) {
    if (const int status = c.checkFamily(svc::Feature::SquareMarks, "calibrate --mark"); status != kDone) return status;
  }
  const svc::Reading<svc::CalibrationPlan> planned = c.session.service().planCalibration(input);
  if (!planned.ok()) return Finish(c, planned, "calibrate");
  const svc::CalibrationPlan& plan = planned.value;
  CompareWithPreviousRound(c, plan);
  if (plan.modelMisfitMm > kMisfitToTell)
    c.out.info(Local(Tr("zorctl::Calibrate",
                        "calibrate: the scan field's model misses these sizes by up to %1 mm: the lens errs "
                        "otherwise than the model has it; the next round may need to correct further")
                         .arg(Value(Mm(plan.modelMisfitMm)))));

  const bool changes = plan.scaleChanges || plan.distortionChanges;
  Outcome outcome;
  bool sent = false;
  if (plan.withinTolerance) {
    c.out.info(Local(Tr("zorctl::Calibrate", "calibrate: the square is within tolerance; nothing was sent")));
  } else if (!changes) {
    c.out.info(Local(Tr("zorctl::Calibrate", "calibrate: the new values are those in force; nothing was sent")));
  } else if (o.noSet) {
    c.out.info(Local(Tr("zorctl::Calibrate", "calibrate: --no-set: nothing was sent")));
  } else {
    const svc::Task apply = [&plan](Maintenance& m) { return m.applyCalibration(plan); };
    outcome = c.session.send("calibrate", apply, MakePlan(apply));
    sent = outcome.ok();
    if (sent && o.mark && !StopRequested()) {
      const svc::Task mark = [](Maintenance& m) { return m.mark(svc::Figure::CorrectedSquare); };
      outcome = c.session.send("mark corrected-square", mark, MakePlan(mark));
    }
  }
  if (c.out.json()) {
    const QJsonObject json = svc::CalibrationJson(plan, sent);
    for (auto i = json.begin(); i != json.end(); ++i) c.out.set(i.key(), i.value());
  } else {
    PrintPlan(plan, c.out);
    c.out.line(std::string("sent: ") + (sent ? "yes" : "no"));
  }
  if (StopRequested()) return Interrupted(c, "calibrate", Told(outcome));
  return Finish(c, outcome, "calibrate");
}

}  // namespace zor::zorctl
