// The Compare/Restore window with any number of settings: its table is as
// tall as its rows up to what the screen leaves, and scrolls beyond, so a
// setting added to the table never needs a layout edit.
#include "dialogs/compare_restore_dialog.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <string>

namespace zor::dialogs {

namespace svc = zor::service;

namespace {

// A comparison of that many settings, each to be sent.
svc::Comparison Rows(int count) {
  svc::Comparison comparison;
  comparison.controllerSerial = comparison.fileSerial = 4711;
  for (int i = 0; i < count; ++i) {
    comparison.rows.push_back({"setting-" + std::to_string(i), svc::SettingGroup::Network, u"255.255.255.0",
                               u"192.168.100.200", svc::RestorePlan::Send});
  }
  return comparison;
}

// The rows shown whole in the table's viewport.
int RowsShown(const QTableWidget& table) {
  int shown = 0;
  for (int r = 0; r < table.rowCount(); ++r)
    if (table.rowViewportPosition(r) >= 0 &&
        table.rowViewportPosition(r) + table.rowHeight(r) <= table.viewport()->height())
      ++shown;
  return shown;
}

TEST(CompareRestoreWindow, ShowsEveryRowTheScreenHasRoomForAndScrollsBeyond) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const int count : {1, 14, 15, 20, 30, 200}) {
    SCOPED_TRACE(count);
    CompareRestoreDialog dialog(svc::Snapshot{}, QStringLiteral("unit.json"), Rows(count));
    dialog.show();
    QTableWidget& table = *dialog.table();
    EXPECT_LE(dialog.frameGeometry().height(), screen.height());
    EXPECT_LE(dialog.frameGeometry().width(), screen.width());
    // Every row is shown, or the window has taken most of the screen's
    // height before its table scrolls.
    if (RowsShown(table) == count) {
      EXPECT_FALSE(table.verticalScrollBar()->isVisible());
    } else {
      EXPECT_TRUE(table.verticalScrollBar()->isVisible());
      EXPECT_GE(dialog.frameGeometry().height(), screen.height() * 8 / 10);
    }
    // Every column is as wide as its texts.
    for (int c = 0; c < table.columnCount(); ++c) {
      const QString text = table.item(0, c)->text();
      EXPECT_GT(table.columnWidth(c), table.fontMetrics().horizontalAdvance(text)) << text.toStdString();
    }
    EXPECT_FALSE(table.horizontalScrollBar()->isVisible());
  }
}

}  // namespace

}  // namespace zor::dialogs
