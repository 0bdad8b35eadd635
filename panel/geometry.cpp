// The scan-field geometry group: distortion and scale corrections, the test
// figures and the move to a point.

#include <QLineEdit>

#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"
#include "platform/utf16.h"
#include "resources/resource.h"
#include "service/format.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zor::dialogs::qstr;
using zor::dialogs::ShowOutcome;
using zor::platform::Utf16View;
using zor::service::Status;

// A failed read shows ERROR in both fields; when no system answered, the
// fields keep what they showed.
void CZORSystemMaintenanceDlg::OnGetDistortion() {
  const auto distortion = service_.readDistortion();
  if (distortion.status == Status::NotConnected) return;
  SetDlgItemText(IDC_DISTORTION_X,
                 distortion.ok() ? qstr(zor::service::FormatUnsigned(distortion.value.x)) : tr("ERROR"));
  SetDlgItemText(IDC_DISTORTION_Y,
                 distortion.ok() ? qstr(zor::service::FormatUnsigned(distortion.value.y)) : tr("ERROR"));
}

void CZORSystemMaintenanceDlg::OnSetDistortion() {
  ShowOutcome(*this, service_.setDistortion(Utf16View(GetDlgItemText(IDC_DISTORTION_X)),
                                            Utf16View(GetDlgItemText(IDC_DISTORTION_Y))));
}

// The X text of a failed read is the system's own, misspelling included.
void CZORSystemMaintenanceDlg::OnGetScale() {
  const auto scale = service_.readScale();
  SetDlgItemText(IDC_SCALE_X, scale.ok() ? qstr(zor::service::FormatFixed5(scale.value.x)) : tr("ERRPR"));
  SetDlgItemText(IDC_SCALE_Y, scale.ok() ? qstr(zor::service::FormatFixed5(scale.value.y)) : tr("ERROR"));
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::OnSetScale() {
  ShowOutcome(*this, service_.setScale(Utf16View(GetDlgItemText(IDC_SCALE_X)), Utf16View(GetDlgItemText(IDC_SCALE_Y))));
}

void CZORSystemMaintenanceDlg::OnMarkOriginalSquare() {
  ShowOutcome(*this, service_.mark(zor::service::Figure::OriginalSquare));
}

void CZORSystemMaintenanceDlg::OnMarkCorrectedSquare() {
  ShowOutcome(*this, service_.mark(zor::service::Figure::CorrectedSquare));
}

void CZORSystemMaintenanceDlg::OnMarkMaxField() { ShowOutcome(*this, service_.mark(zor::service::Figure::MaxField)); }

void CZORSystemMaintenanceDlg::OnMoveTo() {
  // The two targets are taken with their checks: a rejected target has had
  // its prompt, and moving to a stale one would be a move nobody asked for.
  // The Pulse is taken too, silently and only when it is a whole number, so
  // that the next rewrite of the bound fields keeps what was typed there; a
  // Pulse that is no number never stops a move.
  if (!Exchange(true, [this](zor::platform::DataExchange& dx) {
        ExchangeMoveTarget(dx);
        dx.numberIfWhole(IDC_PULSE, m_nPulse);
      }))
    return;
  const auto outcome = service_.moveTo(m_nMoveX, m_nMoveY);
  ShowOutcome(*this, outcome);
  if (outcome.status != Status::Refused) return;
  if (auto* edit = item<QLineEdit>(outcome.input == zor::service::Input::MoveX ? IDC_MOVE_X : IDC_MOVE_Y)) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
  }
}

// The disabled Get and Set of the aiming group: the controller has no such
// read or write.
void CZORSystemMaintenanceDlg::OnAimingPointNothing() {}

}  // namespace zor::panel
