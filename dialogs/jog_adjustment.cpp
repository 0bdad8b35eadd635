#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::OpenDistortionAdjustment() {}
void CZORSystemMaintenanceDlg::OpenCenterAdjustment() {}
