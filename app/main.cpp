// zor-maintenance: the service and maintenance tool for ZOR laser marking systems.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "app/application.h"
#include "app/command_line.h"
#include "text/translations.h"

int main(int argc, char** argv) {
  // Help and version answer before the windows start, so they work without a display.
  switch (zor::app::ParseCommandLine(argc, argv).action) {
    case zor::app::CommandLine::Action::Help: {
      // In the user's language; the translations need an application, not a display.
      QCoreApplication core(argc, argv);
      zor::text::LoadTranslations();
      std::fputs(QCoreApplication::translate("app::CommandLine", zor::app::kUsage).toLocal8Bit().constData(), stdout);
      return 0;
    }
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
  zor::text::LoadTranslations();

  const zor::app::CommandLine line = zor::app::ParseCommandLine(argc, argv);
  // A session manager or a newer launcher may pass what this version does not
  // know; that is no reason to refuse to start.
  for (const std::string& arg : line.unknown) {
    const QString warning =
        QCoreApplication::translate("app::CommandLine", "ignoring unknown argument '%1' (see --help)")
            .arg(QString::fromLocal8Bit(arg));
    std::fprintf(stderr, "zor-maintenance: %s\n", warning.toLocal8Bit().constData());
  }

  zor::app::Application theApp({.startupProbe = line.startupProbe});
  theApp.InitInstance();
  return 0;
}
