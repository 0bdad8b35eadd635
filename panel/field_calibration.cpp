// The window menu's "Calibrate Field...": the guided calibration of the scan
// field, on the system the panel works with.

#include "dialogs/calibrate_field_dialog.h"
#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"

namespace zor::panel {

// The system is looked for first, so the dialog knows its family and what
// is typed there has a controller to go to.
void CZORSystemMaintenanceDlg::OnCalibrateField() {
  if (!zor::dialogs::ShowOutcome(*this, service_.checkConnection())) return;
  zor::dialogs::CalibrateFieldDialog dialog(service_, prompter(), this);
  dialog.DoModal();
}

}  // namespace zor::panel
