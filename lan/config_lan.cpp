#include "app/main_dialog.h"

void CZORSystemMaintenanceDlg::OpenLanConfig() {}
