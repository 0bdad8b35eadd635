// The chooser of several marking systems on its own: its rows, what assistive
// technology reads, the preselected row, and the keys.
#include "dialogs/system_chooser.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace zor::dialogs {

namespace {

const std::vector<zor::link::FoundSystem> kSystems = {
    {100001, "NZ-SIM", {192, 168, 1, 10}}, {100002, "NK-1\x1B", {192, 168, 1, 11}}, {7, "", {10, 0, 0, 1}}};

QListWidget* List(const SystemChooser& dialog) { return dialog.findChild<QListWidget*>(); }

TEST(SystemChooser, ListsEachSystemReadablyWithTheCurrentOnePreselected) {
  SystemChooser dialog(kSystems, 1);
  QListWidget* list = List(dialog);
  ASSERT_NE(list, nullptr);
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  EXPECT_EQ(rows,
            (QStringList{"100001   NZ-SIM   192.168.1.10", "100002   NK-1\\x1B   192.168.1.11", "7      10.0.0.1"}));
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(list->accessibleName(), "Marking systems");
  dialog.show();
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->childCount(), 3);
  EXPECT_EQ(view->child(0)->text(QAccessible::Name), "100001   NZ-SIM   192.168.1.10");
  EXPECT_EQ(SystemChooser(kSystems, std::nullopt).findChild<QListWidget*>()->currentRow(), 0);
}

TEST(SystemChooser, ShowsEveryRowWhole) {
  std::vector<zor::link::FoundSystem> systems = kSystems;
  systems.push_back({4294967, "Line 3 station A, long name", {10, 20, 30, 40}});
  SystemChooser dialog(systems, 0);
  dialog.show();
  QListWidget* list = List(dialog);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_FALSE(list->horizontalScrollBar()->isVisible()) << "the widest row fits beside the scroll bar";
}

struct KeyCase {
  const char* name;
  std::vector<Qt::Key> keys;
  std::optional<std::size_t> chosen;
};

class ChooserKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ChooserKeys, ArrowsMoveEnterPicksEscapeCancels) {
  SystemChooser dialog(kSystems, 0);
  dialog.show();
  for (Qt::Key key : GetParam().keys) QTest::keyClick(List(dialog), key);
  EXPECT_EQ(dialog.chosen(), GetParam().chosen);
  EXPECT_EQ(dialog.result(), GetParam().chosen ? QDialog::Accepted : QDialog::Rejected);
}

// What an AT-SPI client does: the row's Toggle action selects it, then OK.
TEST(SystemChooser, ARowSelectedThroughAccessibilityIsTheOnePicked) {
  SystemChooser dialog(kSystems, 0);
  dialog.show();
  QAccessibleInterface* row = QAccessible::queryAccessibleInterface(List(dialog))->child(2);
  ASSERT_NE(row->actionInterface(), nullptr);
  row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  dialog.accept();
  EXPECT_EQ(dialog.chosen(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ChooserKeys,
                         ::testing::Values(KeyCase{"EnterPicksThePreselected", {Qt::Key_Return}, 0},
                                           KeyCase{"DownDownEnter", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, 2},
                                           KeyCase{"DownUpEnter", {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, 0},
                                           KeyCase{"Escape", {Qt::Key_Down, Qt::Key_Escape}, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace zor::dialogs
