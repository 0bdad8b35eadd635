#pragma once
// A prompter that plays the user from a script. Message boxes are recorded
// and closed at once; each modal run takes the next queued script, which acts
// on the real, shown dialog and returns the dialog's result.

#include <deque>
#include <functional>

#include "platform/prompter.h"
#include "tests/support/transcript.h"

namespace zortest {

class ScriptedPrompter final : public zor::platform::Prompter {
 public:
  using Script = std::function<int(QDialog&)>;

  explicit ScriptedPrompter(Transcript& transcript) : transcript_(transcript) {}
  // A script that was never used is a failure: the expected dialog never ran.
  ~ScriptedPrompter() override;

  // What the user does in the next dialog run modally.
  void queue(Script script) { scripts_.push_back(std::move(script)); }
  // The file the user picks in the next file dialog; empty: Cancel.
  void queueFile(QString file) { files_.push_back(std::move(file)); }
  std::size_t pending() const { return scripts_.size(); }

  // Records "box [title] text".
  void showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon) override;
  // Records "modal <window title>" and runs the next script; with none queued
  // the test fails and the dialog is cancelled (2).
  int runModal(QDialog& dialog) override;
  // Records "file open|save <title>" and gives the next queued file (none: cancel).
  QString chooseFile(QWidget* owner, FileChoice choice, const QString& title, const QString& suggestion,
                     const QString& filter) override;

 private:
  Transcript& transcript_;
  std::deque<Script> scripts_;
  std::deque<QString> files_;
};

}  // namespace zortest
