// The working-time entry dialog on its own: its template and what assistive
// technology is told about its field.
#include "dialogs/working_time_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/scripted_prompter.h"

namespace zor::dialogs {

using zortest::ScriptedPrompter;
using zortest::Transcript;

namespace {

TEST(WorkingTimeDialog, TemplateAndAccessibleNames) {
  Transcript transcript;
  ScriptedPrompter prompter(transcript);
  WorkingTimeDialog dialog(prompter);
  dialog.Initialize();
  const platform::DialogTemplate& t = dialog.dialogTemplate();
  EXPECT_EQ(t.id, resources::IDD_WORKING_TIME);
  EXPECT_EQ(dialog.windowTitle(), "Working Time");
  EXPECT_EQ(std::pair(t.cx, t.cy), std::pair(162, 81));

  struct Row {
    int id;
    platform::Kind kind;
    std::string caption;
    int x, y, cx, cy;
    bool operator==(const Row&) const = default;
  };
  std::vector<Row> rows;
  for (const auto& c : t.controls) rows.push_back({c.id, c.kind, c.caption, c.x, c.y, c.cx, c.cy});
  using K = platform::Kind;
  const std::vector<Row> expected = {
      {platform::IDC_STATIC, K::Label, "Days,HH:MM:SS", 66, 16, 53, 8},
      {1013, K::Label, "Working Time :", 15, 29, 48, 8},
      {1014, K::Edit, "", 65, 26, 75, 14},
      {platform::IDOK, K::Button, "OK", 25, 49, 50, 14},
      {platform::IDCANCEL, K::Button, "Cancel", 89, 49, 50, 14},
  };
  EXPECT_TRUE(rows == expected);

  auto* edit = dialog.item<QLineEdit>(working_time::IDC_WORKING_TIME);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
  EXPECT_EQ(edit->accessibleName(), "Working Time :");
  EXPECT_EQ(edit->accessibleDescription(), "Days,HH:MM:SS");
  EXPECT_TRUE(dialog.item<QPushButton>(platform::IDOK)->isDefault());
  EXPECT_FALSE(dialog.item<QPushButton>(platform::IDCANCEL)->isDefault());
}

}  // namespace

}  // namespace zor::dialogs
