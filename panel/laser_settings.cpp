#include <QtEndian>
#include <cstdint>

#include "app/main_dialog.h"
#include "protocol/zor_protocol.h"
#include "panel/reply_format.h"
#include "platform/combo_box.h"
#include "resources/resource.h"

using namespace panel;

namespace {

const QString kControllerModelUnreadable = QStringLiteral("The controller model could not be read.");

}  // namespace

// Every Set hands the field's text over exactly as typed; the controller
// alone decides whether it makes sense.
void CZORSystemMaintenanceDlg::OnSetMinCurrent() {
  SendText(zor::CMD_SET_MIN_CURRENT, GetDlgItemText(IDC_MIN_CURRENT));
}

void CZORSystemMaintenanceDlg::OnSet20PercentCurrent() {
  SendText(zor::CMD_SET_20_PERCENT_CURRENT, GetDlgItemText(IDC_20_CURRENT));
}

void CZORSystemMaintenanceDlg::OnSetMaxCurrent() {
  SendText(zor::CMD_SET_MAX_CURRENT, GetDlgItemText(IDC_MAX_CURRENT));
}

void CZORSystemMaintenanceDlg::OnGetCurrents() {
  std::uint8_t reply[8] = {};  // two 0.0f, all bits clear
  if (QueryStatus(zor::CMD_GET_CURRENTS, reply, sizeof reply) == 0) {
    SetDlgItemText(IDC_MIN_CURRENT, FixedPoint5(reply));
    SetDlgItemText(IDC_MAX_CURRENT, FixedPoint5(reply + 4));
  } else {
    // An unread reply would show as 0.00000, which looks like a real current.
    SetDlgItemText(IDC_MIN_CURRENT, QStringLiteral("ERROR"));
    SetDlgItemText(IDC_MAX_CURRENT, QStringLiteral("ERROR"));
  }
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::OnInitPowerBoard() { SendCommand(zor::CMD_INIT_POWER_BOARD, 0); }

void CZORSystemMaintenanceDlg::OnSetLens() {
  SendText(zor::CMD_SET_LENS, item<platform::ComboBox>(IDC_LENS)->editText());
}

// The field is read only once the password has matched.
void CZORSystemMaintenanceDlg::OnSetSerialNumber() {
  if (!VerifyServicePassword()) return;
  SendText(zor::CMD_SET_SERIAL_NUMBER, GetDlgItemText(IDC_SERIAL_NUMBER));
}

void CZORSystemMaintenanceDlg::OnResetSerial() {
  SendCommand(zor::CMD_RESET_SERIAL, 0xFF);
  pacer().sleep(100);
}

void CZORSystemMaintenanceDlg::OnSetModelName() {
  if (!VerifyServicePassword()) return;
  SendText(zor::CMD_SET_MODEL_NAME, GetDlgItemText(IDC_MODEL_NAME));
}

void CZORSystemMaintenanceDlg::OnSetControllerModel() {
  auto* combo = item<platform::ComboBox>(IDC_CTRLR_MODEL);
  const QString code = combo->editText();  // as it stood at the press
  if (!VerifyServicePassword()) return;
  // The flag byte travels as a text prefix: the first listed model is the
  // plain one, the others carry the flag; a typed code counts as plain.
  const QString prefix = combo->curSel() > 0 ? QStringLiteral("10") : QStringLiteral("00");
  SendText(zor::CMD_SET_CONTROLLER_MODEL, prefix + code + QLatin1Char(' '));
}

void CZORSystemMaintenanceDlg::OnGetControllerModel() {
  std::uint8_t reply[4] = {};
  if (QueryStatus(zor::CMD_GET_CONTROLLER_MODEL, reply, sizeof reply) == 0) {
    const std::uint32_t value = qFromLittleEndian<std::uint32_t>(reply);
    prompter().showMessage(this, QString::asprintf("%08x", value), platform::applicationTitle(),
                           platform::Prompter::Icon::None);
    item<platform::ComboBox>(IDC_CTRLR_MODEL)->setFieldText(QString::asprintf("%06x", value & 0xFFFFFFu));
  } else {
    // Zeros here would read as a real model code; say so and keep the combo.
    prompter().showMessage(this, kControllerModelUnreadable, platform::applicationTitle(),
                           platform::Prompter::Icon::Warning);
  }
  UpdateData(false);
}
