// zor-maintenance: the service and maintenance tool for ZOR laser marking systems.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/application.h"

namespace {

constexpr const char* kUsage =
    "Usage: zor-maintenance [--help] [--version] [--startup-probe]\n"
    "\n"
    "Service and maintenance tool for ZOR laser marking systems: reads a marking\n"
    "system's identity and sets its calibration and service parameters.\n"
    "\n"
    "  -h, --help       show this help and exit\n"
    "  -v, --version    show the version and exit\n"
    "  --startup-probe  print when the panel was first painted and the resident\n"
    "                   memory, then close (used by bench/startup)\n"
    "\n"
    "The tool talks to the controller through the device link libZorComm.so,\n"
    "found beside the executable or in the installed library folder. Its own\n"
    "environment (ZORCOMM_LINK, ZORCOMM_SIM_MODEL, ZORCOMM_STATE, ZORCOMM_TRACE)\n"
    "selects the simulated controller and its state file; see the README.\n";

}  // namespace

int main(int argc, char** argv) {
  CZORSystemMaintenanceApp::Options options;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
      std::printf("zor-maintenance %s\n", ZOR_VERSION);
      return 0;
    }
    if (!std::strcmp(argv[i], "--startup-probe")) {
      options.startupProbe = true;
      continue;
    }
    std::fprintf(stderr, "zor-maintenance: unknown option '%s'\n%s", argv[i], kUsage);
    return 2;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZORSystemMaintenance"));
  QApplication::setApplicationVersion(QStringLiteral(ZOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("zor-maintenance"));

  CZORSystemMaintenanceApp theApp(options);
  theApp.InitInstance();
  return 0;
}
