// Renders the main panel for each device family into PNG files, for looking
// at the layout: panel_snapshot OUT_DIR. Set QT_SCALE_FACTOR for other scales.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "link/commands.h"
#include "tests/support/panel_harness.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(out);
  for (const char* model : {"NZ-SIM", "NK-100A", "N-20", ""}) {
    zortest::PanelHarness h;
    if (*model) {
      h.link.setStatus(zor::CMD_GET_SYSTEM_INFO, zortest::PanelHarness::IdentityBlock(model));
    } else {
      h.link.setFindResults({0});
    }
    auto& panel = h.start();
    const QString name = *model ? QString::fromLatin1(model) : QStringLiteral("unconnected");
    panel.grab().save(out + QStringLiteral("/panel-%1.png").arg(name));
  }
  return 0;
}
