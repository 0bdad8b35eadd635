// The service log from the panel's window menu: what the panel logs, and the
// read-only, sortable table that shows it.
#include "dialogs/service_log_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <functional>

#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/support/panel_harness.h"

namespace zor::dialogs {

using namespace zor::resources::panel;
using zortest::PanelHarness;
using zortest::Transcript;

namespace {

QAction* MenuEntry(PanelHarness& h, const QString& text) {
  for (QAction* action : h.panel().systemMenu()->actions())
    if (action->text() == text) return action;
  return nullptr;
}

// Opens the log from the window menu; the script looks at the dialog and ends it.
void OpenServiceLog(PanelHarness& h, std::function<void(QDialog&)> script) {
  h.prompter.queue([script](QDialog& d) {
    script(d);
    return d.result();
  });
  QAction* entry = MenuEntry(h, "Service &Log...");
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  QApplication::processEvents();  // the command runs once the trigger has returned
  EXPECT_EQ(h.prompter.pending(), 0u);
}

TEST(ServiceLogWindow, ShowsWhatThePanelLoggedNewestFirstReadOnlyAndSortable) {
  PanelHarness h;
  std::ofstream(h.serviceLog)
      << R"({"time":"2026-01-02T03:04:05.000Z","front_end":"zorctl","serial":9,"model":"NK-1",)"
      << R"("operation":"shutter close","value":"","outcome":"not-accepted","message":"The shutter may still be open."})"
      << "\ntorn\n";
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("N-200", 1234));
  h.start();
  h.press(IDC_SHUTTER_OPEN);
  OpenServiceLog(h, [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Service Log");
    auto* table = d.findChild<QTableView*>();
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel& m = *table->model();
    auto cell = [&](int row, int column) { return m.index(row, column).data().toString(); };
    ASSERT_EQ(m.rowCount(), 2);
    EXPECT_EQ(QStringList({cell(0, ServiceLogDialog::FrontEnd), cell(0, ServiceLogDialog::Serial),
                           cell(0, ServiceLogDialog::Model), cell(0, ServiceLogDialog::Operation),
                           cell(0, ServiceLogDialog::Outcome)}),
              QStringList({"panel", "1234", "N-200", "shutter open", "done"}));
    EXPECT_EQ(cell(1, ServiceLogDialog::Time),
              QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC).toLocalTime().toString("yyyy-MM-dd HH:mm:ss"));
    EXPECT_EQ(m.index(1, ServiceLogDialog::Outcome).data(Qt::ToolTipRole), "The shutter may still be open.");
    EXPECT_EQ(d.findChild<QLabel*>()->text(), "1 line could not be read.");

    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < m.rowCount(); ++row)
      for (int column = 0; column < m.columnCount(); ++column)
        EXPECT_FALSE(m.flags(m.index(row, column)) & Qt::ItemIsEditable);
    EXPECT_FALSE(zortest::AccessibleName(table).isEmpty());

    // The keyboard: the table first, arrows through its rows, Tab on to Close.
    QApplication::setActiveWindow(&d);
    ASSERT_EQ(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentIndex().row(), 1);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close));

    // A click on the Time header turns the order round: oldest first.
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(ServiceLogDialog::Time) + 4, header->height() / 2));
    EXPECT_EQ(cell(0, ServiceLogDialog::FrontEnd), "zorctl");

    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(h.transcript, (Transcript{"send 87 00", "modal Service Log"}));
}

TEST(ServiceLogWindow, AnEmptyLogSaysSoAndTheEntryFollowsTheSnapshotEntries) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  const auto actions = h.panel().systemMenu()->actions();
  const qsizetype about = actions.indexOf(MenuEntry(h, "&About ZORSystemMaintenance..."));
  const qsizetype backup = actions.indexOf(MenuEntry(h, "&Back Up Settings..."));
  const qsizetype restore = actions.indexOf(MenuEntry(h, "Compare/&Restore Settings..."));
  const qsizetype log = actions.indexOf(MenuEntry(h, "Service &Log..."));
  EXPECT_LT(about, backup);
  EXPECT_EQ(restore, backup + 1);
  EXPECT_EQ(log, restore + 1);
  OpenServiceLog(h, [](QDialog& d) {
    EXPECT_EQ(d.findChild<QLabel*>()->text(), "No operations have been logged yet.");
    EXPECT_FALSE(d.findChild<QTableView*>()->isVisible());
    QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
  });
}

}  // namespace

}  // namespace zor::dialogs
