// zor-maintenance: the service and maintenance tool for ZOR laser marking systems.
#include <QApplication>
#include <cstdio>

#include "app/application.h"
#include "app/command_line.h"
#include "text/translations.h"

int main(int argc, char** argv) {
  // Help and version answer before Qt starts, so they work without a display.
  switch (ParseCommandLine(argc, argv).action) {
    case CommandLine::Action::Help:
      std::fputs(kUsage, stdout);
      return 0;
    case CommandLine::Action::Version:
      std::printf("zor-maintenance %s\n", ZOR_VERSION);
      return 0;
    case CommandLine::Action::Run:
      break;
  }

  // Qt takes its own options out of argc/argv here; the rest are ours.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZORSystemMaintenance"));
  QApplication::setApplicationVersion(QStringLiteral(ZOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(ZOR_APP_ID));
  zor::text::LoadTranslations();

  const CommandLine line = ParseCommandLine(argc, argv);
  // A session manager or a newer launcher may pass what this version does not
  // know; that is no reason to refuse to start.
  for (const std::string& arg : line.unknown) {
    std::fprintf(stderr, "zor-maintenance: ignoring unknown argument '%s' (see --help)\n", arg.c_str());
  }

  CZORSystemMaintenanceApp theApp({.startupProbe = line.startupProbe});
  theApp.InitInstance();
  return 0;
}
