// Delays, test power, shutter, aiming and the version display.

#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"
#include "platform/up_down.h"
#include "platform/utf16.h"
#include "resources/resource.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zor::dialogs::ShowOutcome;
using zor::platform::Utf16View;

// The jump delay has no command of its own: its Set sends nothing.
void CZORSystemMaintenanceDlg::OnSetJumpDelay() {}

void CZORSystemMaintenanceDlg::OnSetXMultiplier() {
  ShowOutcome(*this, service_.setXMultiplier(Utf16View(GetDlgItemText(IDC_X_MULTIPLIER))));
}

void CZORSystemMaintenanceDlg::OnSetYMultiplier() {
  ShowOutcome(*this, service_.setYMultiplier(Utf16View(GetDlgItemText(IDC_Y_MULTIPLIER))));
}

void CZORSystemMaintenanceDlg::OnSetRcJumpDelay() {
  ShowOutcome(*this, service_.setRcJumpDelay(Utf16View(GetDlgItemText(IDC_RC_JUMP_DELAY))));
}

// The up-down control reads the number from the Pulse field as it stands now;
// m_nPulse is not consulted.
void CZORSystemMaintenanceDlg::OnTestPowerOn() {
  const zor::platform::UpDown::Position pulse = item<zor::platform::UpDown>(IDC_PULSE_SPIN)->position();
  ShowOutcome(*this, service_.testPowerOn(pulse.ok ? std::optional<int>(pulse.value) : std::nullopt));
}

void CZORSystemMaintenanceDlg::OnTestPowerOff() { ShowOutcome(*this, service_.testPowerOff()); }

void CZORSystemMaintenanceDlg::OnShutterOpen() { ShowOutcome(*this, service_.shutter(true)); }

void CZORSystemMaintenanceDlg::OnShutterClose() { ShowOutcome(*this, service_.shutter(false)); }

// The flag only alternates the two commands; it knows nothing of the
// controller. A press whose packet did not go out leaves it, so the next
// press sends what this one meant to.
void CZORSystemMaintenanceDlg::OnAiming() {
  if (ShowOutcome(*this, service_.aiming(m_bAiming != 0))) m_bAiming = ~m_bAiming;
}

void CZORSystemMaintenanceDlg::OnShowVersion() { ShowOutcome(*this, service_.showVersion()); }

}  // namespace zor::panel
