#include "service/adjustment.h"

#include "service/operation.h"

namespace zor::service {

namespace {

std::u16string_view AdjustmentName(Adjustment adjustment) {
  switch (adjustment) {
    case Adjustment::Distortion:
      return u"adjust distortion";
    case Adjustment::Center:
      return u"adjust center";
    case Adjustment::Aiming:
      return u"adjust aiming";
  }
  return u"adjust";
}

}  // namespace

// One packet of an adjustment; the adjustment logs itself as a whole.
Outcome Maintenance::adjustmentCommand(int code, bool& reached) {
  const auto before = channel_.packetsOffered();
  Outcome outcome = send({{}, {}, {}, false}, [&] {
    channel_.SendCommand(code, 0);
    return Outcome::done();
  });
  reached = channel_.packetsOffered() != before;
  return outcome;
}

AdjustmentSession::AdjustmentSession(Maintenance& service, Adjustment kind) : service_(service), kind_(kind) {}

AdjustmentSession::~AdjustmentSession() {
  if (!logged_) log();
}

Outcome AdjustmentSession::step(int code, char16_t move) {
  bool reached = false;
  last_ = service_.adjustmentCommand(code, reached);
  sent_ = sent_ || reached;
  notKept_ = notKept_ || last_.notKept;
  if (move != 0 && last_.ok()) moves_.push_back(move);
  return last_;
}

// A closing command that reached the device link ends the adjustment even
// when the link did not take it: the controller may have, and another one
// would be a second end. Without the send entry point nothing ever reaches
// the link, and the adjustment goes on as if everything had.
Outcome AdjustmentSession::close(int code, std::u16string_view how) {
  how_ = how;
  bool reached = false;
  last_ = service_.adjustmentCommand(code, reached);
  sent_ = sent_ || reached;
  // The aiming save is taken before the end of its mode: the end tells of it.
  notKept_ = last_.notKept = notKept_ || last_.notKept;
  ended_ = reached || last_.ok();
  if (ended_) log();
  return last_;
}

void AdjustmentSession::log() {
  logged_ = true;
  if (!sent_) return;
  std::u16string value = moves_;
  if (!how_.empty()) value += (value.empty() ? u"" : u" ") + how_;
  service_.reportOperation(AdjustmentName(kind_), std::move(value), last_);
}

Outcome AdjustmentSession::begin() {
  switch (kind_) {
    case Adjustment::Distortion:
      return step(protocol::CMD_DISTORTION_ADJUST_BEGIN, 0);
    case Adjustment::Center:
      return step(protocol::CMD_CENTER_ADJUST_BEGIN, 0);
    case Adjustment::Aiming:
      return step(protocol::CMD_AIM_ALIGN_BEGIN, 0);
  }
  return Outcome::done();
}

Outcome AdjustmentSession::jog(Direction direction) {
  switch (direction) {
    case Direction::Up:
      return step(protocol::CMD_JOG_UP, u'U');
    case Direction::Down:
      return step(protocol::CMD_JOG_DOWN, u'D');
    case Direction::Left:
      return step(protocol::CMD_JOG_LEFT, u'L');
    case Direction::Right:
      return step(protocol::CMD_JOG_RIGHT, u'R');
  }
  return Outcome::done();
}

Outcome AdjustmentSession::nextPoint() { return step(protocol::CMD_AIM_ALIGN_NEXT_POINT, u'|'); }

Outcome AdjustmentSession::save() {
  switch (kind_) {
    case Adjustment::Distortion:
      return close(protocol::CMD_DISTORTION_ADJUST_SAVE, u"save");
    case Adjustment::Center:
      return close(protocol::CMD_CENTER_ADJUST_SAVE, u"save");
    case Adjustment::Aiming:
      how_ = u"save";
      if (Outcome stored = step(protocol::CMD_AIM_ALIGN_SAVE, 0); !stored.ok()) return stored;
      // The controller needs this long to store the alignment before the mode ends.
      service_.pacer().sleep(kAfterAimingSave);
      return close(protocol::CMD_ADJUST_END, u"save");
  }
  return Outcome::done();
}

Outcome AdjustmentSession::cancel() { return close(protocol::CMD_ADJUST_END, u"cancel"); }

}  // namespace zor::service
