#include "app/application.h"

#include <memory>

#include "app/startup_probe.h"
#include "link/load_device_link.h"
#include "panel/main_dialog.h"
#include "platform/pacer.h"
#include "platform/qt_prompter.h"
#include "service/service_log.h"

bool CZORSystemMaintenanceApp::InitInstance() {
  platform::QtPrompter prompter;
  platform::BlockingPacer pacer;
  CZORSystemMaintenanceDlg dialog(
      {pacer, prompter,
       [](zor::DeviceLink& link) { return zor::LoadDeviceLink(link, zor::SystemLibraryLoader(ZOR_BIN_TO_LIB)); },
       zor::service::ServiceLogPath()});
  std::unique_ptr<StartupProbe> probe;
  if (options_.startupProbe) probe = std::make_unique<StartupProbe>(dialog);
  dialog.DoModal();
  return false;
}
