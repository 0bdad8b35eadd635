#pragma once
// The tool's prompter: real message boxes and real modal loops.

#include "platform/prompter.h"

namespace zor::platform {

class QtPrompter final : public Prompter {
 public:
  void showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon) override;
  int runModal(QDialog& dialog) override;
  QString chooseFile(QWidget* owner, FileChoice choice, const QString& title, const QString& suggestion,
                     const QString& filter) override;
};

}  // namespace zor::platform
