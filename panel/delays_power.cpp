#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::OnSetJumpDelay() {}
void CZORSystemMaintenanceDlg::OnSetXMultiplier() {}
void CZORSystemMaintenanceDlg::OnSetYMultiplier() {}
void CZORSystemMaintenanceDlg::OnSetRcJumpDelay() {}
void CZORSystemMaintenanceDlg::OnTestPowerOn() {}
void CZORSystemMaintenanceDlg::OnTestPowerOff() {}
void CZORSystemMaintenanceDlg::OnShutterOpen() {}
void CZORSystemMaintenanceDlg::OnShutterClose() {}
void CZORSystemMaintenanceDlg::OnAiming() {}
void CZORSystemMaintenanceDlg::OnShowVersion() {}
