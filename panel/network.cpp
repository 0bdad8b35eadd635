// "CONFIG IP": the controller's network settings, in a dialog of their own.

#include "lan/config_lan.h"
#include "panel/main_dialog.h"

namespace zor::panel {

// One use, nothing kept: no password and no connection check on opening.
void CZORSystemMaintenanceDlg::OpenLanConfig() {
  zor::lan::ConfigLan dialog(service_, prompter(), this);
  (void)dialog.DoModal();
}

}  // namespace zor::panel
