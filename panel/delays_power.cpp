#include <algorithm>

#include "app/main_dialog.h"
#include "protocol/zor_protocol.h"
#include "platform/up_down.h"
#include "resources/resource.h"

using namespace panel;

// The jump delay has no command of its own: its Set sends nothing.
void CZORSystemMaintenanceDlg::OnSetJumpDelay() {}

void CZORSystemMaintenanceDlg::OnSetXMultiplier() {
  SendText(zor::CMD_SET_X_MULTIPLIER, GetDlgItemText(IDC_X_MULTIPLIER));
}

void CZORSystemMaintenanceDlg::OnSetYMultiplier() {
  SendText(zor::CMD_SET_Y_MULTIPLIER, GetDlgItemText(IDC_Y_MULTIPLIER));
}

void CZORSystemMaintenanceDlg::OnSetRcJumpDelay() {
  SendText(zor::CMD_SET_RC_JUMP_DELAY, GetDlgItemText(IDC_RC_JUMP_DELAY));
}

// The up-down control reads the number from the Pulse field as it stands now;
// m_nPulse is not consulted. A text it cannot read would fire the laser at
// its last good position, so it is refused before anything goes out.
void CZORSystemMaintenanceDlg::OnTestPowerOn() {
  const auto* spin = item<platform::UpDown>(IDC_PULSE_SPIN);
  const platform::UpDown::Position pulse = spin->position();
  if (!pulse.ok) {
    prompter().showMessage(this,
                           QStringLiteral("The pulse value must be a whole number from %1 to %2.")
                               .arg(std::min(spin->lower(), spin->upper()))
                               .arg(std::max(spin->lower(), spin->upper())),
                           platform::applicationTitle(), platform::Prompter::Icon::Warning);
    return;
  }
  SendCommand(zor::CMD_TEST_POWER_ON, pulse.value & 0xFF);
}

void CZORSystemMaintenanceDlg::OnTestPowerOff() { SendCommand(zor::CMD_TEST_POWER_OFF, 0); }

void CZORSystemMaintenanceDlg::OnShutterOpen() { SendCommand(zor::CMD_SHUTTER_OPEN, 0); }

void CZORSystemMaintenanceDlg::OnShutterClose() { SendCommand(zor::CMD_SHUTTER_CLOSE, 0); }

// The flag only alternates the two commands; it knows nothing of the
// controller. When no system could be reached the press ends before the
// complement, so the next press sends what this one meant to.
void CZORSystemMaintenanceDlg::OnAiming() {
  SendCommand(m_bAiming == 0 ? zor::CMD_ADJUST_END : zor::CMD_AIMING_ON, 0);
  m_bAiming = ~m_bAiming;
}

void CZORSystemMaintenanceDlg::OnShowVersion() { SendCommand(zor::CMD_SHOW_VERSION, 0); }
