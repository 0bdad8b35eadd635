#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::OnSetMinCurrent() {}
void CZORSystemMaintenanceDlg::OnSet20PercentCurrent() {}
void CZORSystemMaintenanceDlg::OnSetMaxCurrent() {}
void CZORSystemMaintenanceDlg::OnGetCurrents() {}
void CZORSystemMaintenanceDlg::OnInitPowerBoard() {}
void CZORSystemMaintenanceDlg::OnSetLens() {}
void CZORSystemMaintenanceDlg::OnSetSerialNumber() {}
void CZORSystemMaintenanceDlg::OnResetSerial() {}
void CZORSystemMaintenanceDlg::OnSetModelName() {}
void CZORSystemMaintenanceDlg::OnSetControllerModel() {}
void CZORSystemMaintenanceDlg::OnGetControllerModel() {}
