// bare_dialog: the yardstick for bench/startup. A QApplication and an empty
// QDialog the size of the main panel with OK and Cancel, reporting its first
// paint the same way as `zor-maintenance --startup-probe`.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QVBoxLayout>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // The main panel's 335 x 393 dialog units, converted the same way.
  const QFontMetrics metrics(dialog.font());
  const double baseX =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  dialog.resize(qRound(335 * baseX / 4), qRound(393 * metrics.height() / 8.0));
  zor::app::StartupProbe probe(dialog);
  dialog.show();
  return QApplication::exec();
}
