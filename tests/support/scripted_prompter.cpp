#include "tests/support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace zortest {

namespace {

std::u16string Text(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

constexpr int kCancel = 2;

}  // namespace

ScriptedPrompter::~ScriptedPrompter() {
  if (!scripts_.empty()) ADD_FAILURE() << scripts_.size() << " scripted dialog run(s) never happened";
  if (!files_.empty()) ADD_FAILURE() << files_.size() << " scripted file choice(s) never happened";
}

QString ScriptedPrompter::chooseFile(QWidget*, FileChoice choice, const QString& title, const QString&,
                                     const QString&) {
  transcript_.add(std::string(choice == FileChoice::Save ? "file save " : "file open ") + Utf8(Text(title)));
  if (files_.empty()) return {};
  QString file = std::move(files_.front());
  files_.pop_front();
  return file;
}

void ScriptedPrompter::showMessage(QWidget*, const QString& text, const QString& title, Icon) {
  transcript_.add(BoxEvent(Text(title), Text(text)));
}

int ScriptedPrompter::runModal(QDialog& dialog) {
  transcript_.add("modal " + Utf8(Text(dialog.windowTitle())));
  if (scripts_.empty()) {
    ADD_FAILURE() << "no script for the dialog \"" << dialog.windowTitle().toStdString() << "\"";
    return kCancel;
  }
  Script script = std::move(scripts_.front());
  scripts_.pop_front();

  // Hidden again however the script leaves, as a finished modal run would be.
  struct Hide {
    QDialog& dialog;
    ~Hide() { dialog.hide(); }
  } hide{dialog};
  dialog.show();
  const int result = script(dialog);
  dialog.setResult(result);
  return result;
}

}  // namespace zortest
