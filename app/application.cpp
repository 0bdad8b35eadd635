#include "app/application.h"

#include <memory>

#include "app/startup_probe.h"
#include "link/load_device_link.h"
#include "panel/main_dialog.h"
#include "platform/pacer.h"
#include "platform/qt_prompter.h"
#include "service/service_log.h"

namespace zor::app {

bool Application::InitInstance() {
  zor::platform::QtPrompter prompter;
  zor::platform::BlockingPacer pacer;
  zor::panel::CZORSystemMaintenanceDlg dialog({pacer, prompter,
                                               [](zor::link::DeviceLink& link) {
                                                 return zor::link::LoadDeviceLink(
                                                     link, zor::link::SystemLibraryLoader(ZOR_BIN_TO_LIB));
                                               },
                                               zor::service::ServiceLogPath()});
  std::unique_ptr<StartupProbe> probe;
  if (options_.startupProbe) probe = std::make_unique<StartupProbe>(dialog);
  dialog.DoModal();
  return false;
}

}  // namespace zor::app
