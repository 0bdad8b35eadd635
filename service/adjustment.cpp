// The guided adjustments: the distortion and centering jogs and the aiming
// diode's alignment at two points. Each is one operation from its begin to
// its save or end, logged once with the moves made.

#include "service/maintenance.h"
#include "service/operation.h"

namespace zor::service {

namespace {

std::u16string_view AdjustmentName(Adjustment adjustment) {
  switch (adjustment) {
    case Adjustment::Distortion: return u"adjust distortion";
    case Adjustment::Center: return u"adjust center";
    case Adjustment::Aiming: return u"adjust aiming";
  }
  return u"adjust";
}

}  // namespace

Outcome Maintenance::adjustmentStep(int code, char16_t move) {
  Outcome outcome = send({{}, {}, {}, false}, [&] {
    channel_.SendCommand(code, 0);
    return Outcome::done();
  });
  if (move != 0 && outcome.ok()) moves_.push_back(move);
  // A step that did not go through ends the adjustment as far as the log goes.
  if (!outcome.ok() && adjustment_) return finishAdjustment(std::move(outcome), u"");
  return outcome;
}

Outcome Maintenance::finishAdjustment(Outcome outcome, std::u16string_view how) {
  if (adjustment_ && channel_.packetsOffered() != adjustmentStart_) {
    std::u16string value = moves_;
    if (!how.empty()) value += (value.empty() ? u"" : u" ") + std::u16string(how);
    report({AdjustmentName(*adjustment_), std::move(value)}, outcome);
  }
  adjustment_.reset();
  moves_.clear();
  return outcome;
}

Outcome Maintenance::beginAdjustment(Adjustment adjustment) {
  adjustment_ = adjustment;
  adjustmentStart_ = channel_.packetsOffered();
  moves_.clear();
  const int code = adjustment == Adjustment::Distortion ? CMD_DISTORTION_ADJUST_BEGIN
                   : adjustment == Adjustment::Center   ? CMD_CENTER_ADJUST_BEGIN
                                                        : CMD_AIM_ALIGN_BEGIN;
  return adjustmentStep(code, 0);
}

// The same nudges for every adjustment; the controller keeps the position.
Outcome Maintenance::jog(Direction direction) {
  switch (direction) {
    case Direction::Up: return adjustmentStep(CMD_JOG_UP, u'U');
    case Direction::Down: return adjustmentStep(CMD_JOG_DOWN, u'D');
    case Direction::Left: return adjustmentStep(CMD_JOG_LEFT, u'L');
    case Direction::Right: return adjustmentStep(CMD_JOG_RIGHT, u'R');
  }
  return Outcome::done();
}

Outcome Maintenance::nextAimingPoint() { return adjustmentStep(CMD_AIM_ALIGN_NEXT_POINT, u'|'); }

Outcome Maintenance::saveAdjustment() {
  const Adjustment adjustment = adjustment_.value_or(Adjustment::Distortion);
  Outcome outcome = send({{}, {}, {}, false}, [&] {
    switch (adjustment) {
      case Adjustment::Distortion: channel_.SendCommand(CMD_DISTORTION_ADJUST_SAVE, 0); break;
      case Adjustment::Center: channel_.SendCommand(CMD_CENTER_ADJUST_SAVE, 0); break;
      case Adjustment::Aiming:
        // The controller needs this long to store the alignment before the mode ends.
        channel_.SendCommand(CMD_AIM_ALIGN_SAVE, 0);
        channel_.pacer().sleep(kAfterAimingSave);
        channel_.SendCommand(CMD_ADJUST_END, 0);
        break;
    }
    return Outcome::done();
  });
  return finishAdjustment(std::move(outcome), u"save");
}

Outcome Maintenance::endAdjustment() {
  Outcome outcome = send({{}, {}, {}, false}, [&] {
    channel_.SendCommand(CMD_ADJUST_END, 0);
    return Outcome::done();
  });
  return finishAdjustment(std::move(outcome), u"cancel");
}

}  // namespace zor::service
