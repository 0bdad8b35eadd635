// Renders every window the tool shows (the list in
// tests/support/window_catalogue.cpp), each on the panel's test harness, into
// PNG files for looking at the layout: panel_snapshot OUT_DIR. Set
// QT_SCALE_FACTOR for other scales, LANG for another language.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "tests/support/panel_harness.h"
#include "tests/support/window_catalogue.h"
#include "text/translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zor::text::LoadTranslations();
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(out);
  for (const zortest::WindowEntry& window : zortest::WindowCatalogue()) {
    zortest::PanelHarness h;
    window.open(h, [&](QWidget& shown) {
      shown.grab().save(QStringLiteral("%1/%2.png").arg(out, QString::fromLatin1(window.name)));
    });
  }
  return 0;
}
