#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::OnGetDistortion() {}
void CZORSystemMaintenanceDlg::OnSetDistortion() {}
void CZORSystemMaintenanceDlg::OnGetScale() {}
void CZORSystemMaintenanceDlg::OnSetScale() {}
void CZORSystemMaintenanceDlg::OnMarkOriginalSquare() {}
void CZORSystemMaintenanceDlg::OnMarkCorrectedSquare() {}
void CZORSystemMaintenanceDlg::OnMarkMaxField() {}
void CZORSystemMaintenanceDlg::OnMoveTo() {}
void CZORSystemMaintenanceDlg::OnAimingPointNothing() {}
