// Renders the main panel of each device family, and the dialogs it opens,
// into PNG files for looking at the layout: panel_snapshot OUT_DIR.
// Set QT_SCALE_FACTOR for other scales.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>

#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/support/panel_harness.h"

namespace {

QString out;

// Opens the dialog behind a panel button and saves a picture of it; the
// dialog is then cancelled.
void snapDialog(zortest::PanelHarness& h, int button, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    h.prompter.queue([name](QDialog& d) {
      d.grab().save(out + QStringLiteral("/dialog-%1.png").arg(QString::fromLatin1(name)));
      return name == std::string("password") ? d.done(1), 1 : 2;
    });
  }
  h.press(button);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
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
    if (name == QLatin1String("NZ-SIM")) {
      snapDialog(h, panel::IDC_CONFIG_IP, {"config-lan"});
      snapDialog(h, panel::IDC_AIMING_ALIGNMENT, {"aiming-alignment"});
      snapDialog(h, panel::IDC_ADJUST_DISTORTION, {"distortion-correction"});
      snapDialog(h, panel::IDC_MODEL_SET, {"password"});
    }
  }
  return 0;
}
