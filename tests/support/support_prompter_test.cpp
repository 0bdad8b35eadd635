#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>

#include "tests/support/scripted_prompter.h"

namespace zortest {
namespace {

TEST(ScriptedPrompter, RecordsMessageBoxes) {
  Transcript t;
  ScriptedPrompter prompter(t);
  prompter.showMessage(nullptr, "line one\nline two", "ZOR", zor::platform::Prompter::Icon::Warning);
  EXPECT_EQ(t, (Transcript{"box [ZOR] line one\\nline two"}));
}

TEST(ScriptedPrompter, RunsTheNextScriptOnTheShownDialog) {
  Transcript t;
  ScriptedPrompter prompter(t);
  QDialog dialog;
  dialog.setWindowTitle("Password");
  auto* edit = new QLineEdit(&dialog);
  bool wasVisible = false;
  prompter.queue([&](QDialog& d) {
    wasVisible = d.isVisible();
    edit->setText("secret");
    return 1;
  });
  prompter.queue([](QDialog&) { return 2; });

  EXPECT_EQ(prompter.runModal(dialog), 1);
  EXPECT_TRUE(wasVisible);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(edit->text(), "secret");
  EXPECT_EQ(prompter.runModal(dialog), 2);
  EXPECT_EQ(t, (Transcript{"modal Password", "modal Password"}));
}

TEST(ScriptedPrompter, AnUnscriptedDialogFailsAndIsCancelled) {
  Transcript t;
  ScriptedPrompter prompter(t);
  QDialog dialog;
  dialog.setWindowTitle("LAN");
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = prompter.runModal(dialog), "no script for the dialog \"LAN\"");
  EXPECT_EQ(result, 2);
  EXPECT_EQ(t, (Transcript{"modal LAN"}));
}

TEST(ScriptedPrompter, AScriptNeverUsedFailsTheTest) {
  Transcript t;
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPrompter prompter(t);
        prompter.queue([](QDialog&) { return 1; });
      },
      "never happened");
}

}  // namespace
}  // namespace zortest
