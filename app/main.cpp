// zor-maintenance: the service and maintenance tool for ZOR laser marking systems.
#include <QApplication>
#include <cstdio>

#include "app/application.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
  // Help and version answer before Qt starts, so they work without a display.
  switch (zor::app::ParseCommandLine(argc, argv).action) {
    case zor::app::CommandLine::Action::Help:
      std::fputs(zor::app::kUsage, stdout);
      return 0;
    case zor::app::CommandLine::Action::Version:
      std::printf("zor-maintenance %s\n", ZOR_VERSION);
      return 0;
    case zor::app::CommandLine::Action::Run:
      break;
  }

  // Qt takes its own options out of argc/argv here; the rest are ours.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZORSystemMaintenance"));
  QApplication::setApplicationVersion(QStringLiteral(ZOR_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(ZOR_APP_ID));

  const zor::app::CommandLine line = zor::app::ParseCommandLine(argc, argv);
  // A session manager or a newer launcher may pass what this version does not
  // know; that is no reason to refuse to start.
  for (const std::string& arg : line.unknown) {
    std::fprintf(stderr, "zor-maintenance: ignoring unknown argument '%s' (see --help)\n", arg.c_str());
  }

  zor::app::Application theApp({.startupProbe = line.startupProbe});
  theApp.InitInstance();
  return 0;
}
