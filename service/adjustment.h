#pragma once
// One guided adjustment, from its begin to its end: the distortion or
// centering jogs, or the aiming diode's alignment at two points. The object
// is the adjustment's identity, held by whoever leads the user through it
// (a dialog, a command line run): whatever failed on the way, its Save and
// Cancel send its own codes. It logs itself once, at its end, with the moves
// made ("UUL save"; "|" is the step to the second aiming point).

#include <string>

#include "service/maintenance.h"

namespace zor::service {

class AdjustmentSession {
 public:
  AdjustmentSession(Maintenance& service, Adjustment kind);
  // Logs an adjustment that sent something but never reached its end.
  ~AdjustmentSession();
  AdjustmentSession(const AdjustmentSession&) = delete;
  AdjustmentSession& operator=(const AdjustmentSession&) = delete;

  Adjustment kind() const { return kind_; }

  // The command that puts the controller into the adjustment's mode.
  Outcome begin();
  // The same nudges for every adjustment; the controller keeps the position.
  Outcome jog(Direction direction);
  // Aiming: from the first point to the second.
  Outcome nextPoint();
  // Distortion and center: the save command. Aiming: the save, the pause the
  // controller needs to store it, then the end of the mode; a save that did
  // not go through leaves the adjustment open, so it can be tried again.
  Outcome save();
  // Leaves the adjustment without storing it.
  Outcome cancel();

  // Its closing command has reached the device link (whether or not the link
  // took it): nothing more belongs to this adjustment, and a second closing
  // command would be one too many.
  bool ended() const { return ended_; }

 private:
  Outcome step(int code, char16_t move);
  Outcome close(int code, std::u16string_view how);
  void log();

  Maintenance& service_;
  Adjustment kind_;
  std::u16string moves_;  // the moves that went through
  std::u16string how_;    // "save" or "cancel", once one was tried
  Outcome last_;          // of the last command tried
  bool sent_ = false;     // a packet reached the device link
  bool notKept_ = false;  // a step was taken, but the controller could not save it
  bool ended_ = false;
  bool logged_ = false;
};

}  // namespace zor::service
