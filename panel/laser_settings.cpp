// The "Parameters" group: currents, lens, and the identity settings behind
// the service password.

#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"
#include "platform/combo_box.h"
#include "platform/utf16.h"
#include "resources/resource.h"
#include "service/format.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zor::dialogs::qstr;
using zor::dialogs::ShowOutcome;
using zor::platform::Utf16View;

void CZORSystemMaintenanceDlg::OnSetMinCurrent() {
  ShowOutcome(*this, service_.setMinCurrent(Utf16View(GetDlgItemText(IDC_MIN_CURRENT))));
}

void CZORSystemMaintenanceDlg::OnSet20PercentCurrent() {
  ShowOutcome(*this, service_.set20PercentCurrent(Utf16View(GetDlgItemText(IDC_20_CURRENT))));
}

void CZORSystemMaintenanceDlg::OnSetMaxCurrent() {
  ShowOutcome(*this, service_.setMaxCurrent(Utf16View(GetDlgItemText(IDC_MAX_CURRENT))));
}

// A failed read shows ERROR: 0.00000 would look like a real current.
void CZORSystemMaintenanceDlg::OnGetCurrents() {
  const auto currents = service_.readCurrents();
  SetDlgItemText(IDC_MIN_CURRENT, currents.ok() ? qstr(zor::service::FormatFixed5(currents.value.min)) : tr("ERROR"));
  SetDlgItemText(IDC_MAX_CURRENT, currents.ok() ? qstr(zor::service::FormatFixed5(currents.value.max)) : tr("ERROR"));
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::OnInitPowerBoard() { ShowOutcome(*this, service_.initPowerBoard()); }

void CZORSystemMaintenanceDlg::OnSetLens() {
  ShowOutcome(*this, service_.setLens(Utf16View(item<zor::platform::ComboBox>(IDC_LENS)->editText())));
}

// The field is read only once the password has matched.
void CZORSystemMaintenanceDlg::OnSetSerialNumber() {
  const std::optional<QString> password = VerifyServicePassword();
  if (!password) return;
  ShowOutcome(*this, service_.setSerialNumber(Utf16View(*password), Utf16View(GetDlgItemText(IDC_SERIAL_NUMBER))));
}

void CZORSystemMaintenanceDlg::OnResetSerial() { ShowOutcome(*this, service_.resetSerial()); }

void CZORSystemMaintenanceDlg::OnSetModelName() {
  const std::optional<QString> password = VerifyServicePassword();
  if (!password) return;
  ShowOutcome(*this, service_.setModelName(Utf16View(*password), Utf16View(GetDlgItemText(IDC_MODEL_NAME))));
}

// The code is taken as it stood at the press; the list entry picked (if any)
// after the prompt.
void CZORSystemMaintenanceDlg::OnSetControllerModel() {
  auto* combo = item<zor::platform::ComboBox>(IDC_CTRLR_MODEL);
  const QString code = combo->editText();
  const std::optional<QString> password = VerifyServicePassword();
  if (!password) return;
  ShowOutcome(*this, service_.setControllerModel(Utf16View(*password), Utf16View(code), combo->curSel()));
}

// A failed read says so and keeps the combo: zeros would read as a real code.
void CZORSystemMaintenanceDlg::OnGetControllerModel() {
  const auto model = service_.readControllerModel();
  if (model.ok()) {
    prompter().showMessage(this, qstr(zor::service::FormatHex8(model.value)), zor::platform::applicationTitle(),
                           zor::platform::Prompter::Icon::None);
    item<zor::platform::ComboBox>(IDC_CTRLR_MODEL)->setFieldText(qstr(zor::service::FormatModelCode(model.value)));
  } else {
    ShowOutcome(*this, model);
  }
  UpdateData(false);
}

}  // namespace zor::panel
