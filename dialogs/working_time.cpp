#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::ReadWorkingTime() {}
void CZORSystemMaintenanceDlg::InitWorkingTime() {}
void CZORSystemMaintenanceDlg::ShowMarkingTime() {}
