// The guided adjustments: the aiming diode's alignment and the jogs of the
// distortion and the centering correction. Each opener begins the adjustment
// on the controller and hands it to its dialog.

#include "dialogs/aiming_alignment.h"
#include "dialogs/jog_adjustment.h"
#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"

namespace zor::panel {

// The dialog sends its own closing command on every way out, so the result
// needs no look.
void CZORSystemMaintenanceDlg::OpenAimingAlignment() {
  zor::service::AdjustmentSession adjustment(service_, zor::service::Adjustment::Aiming);
  if (!zor::dialogs::ShowOutcome(*this, adjustment.begin())) return;
  zor::dialogs::AimingAlignment dialog(adjustment, prompter(), this);
  dialog.DoModal();
}

namespace {

// Save closes with OK and the opener stores; Cancel has already ended the
// adjustment, so the opener sends nothing more.
void RunJogAdjustment(CZORSystemMaintenanceDlg& main, zor::service::Adjustment kind, const QString& title) {
  zor::service::AdjustmentSession adjustment(main.service(), kind);
  if (!zor::dialogs::ShowOutcome(main, adjustment.begin())) return;
  zor::dialogs::JogAdjustment dialog(adjustment, title, main.prompter(), &main);
  if (dialog.DoModal() == zor::platform::IDOK) zor::dialogs::ShowOutcome(main, adjustment.save());
}

}  // namespace

void CZORSystemMaintenanceDlg::OpenDistortionAdjustment() {
  RunJogAdjustment(*this, zor::service::Adjustment::Distortion, tr("Distortion Correction"));
}

void CZORSystemMaintenanceDlg::OpenCenterAdjustment() {
  RunJogAdjustment(*this, zor::service::Adjustment::Center, tr("Centering Adjustment"));
}

}  // namespace zor::panel
