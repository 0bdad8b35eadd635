#pragma once
// Every message box and every modal run of a dialog goes through a Prompter.
// The tool's prompter shows real boxes and runs real modal loops; tests script
// the user instead and record what was shown.

#include <QString>

class QDialog;
class QWidget;

namespace zor::platform {

class Prompter {
 public:
  enum class Icon { None, Information, Warning, Critical };

  virtual ~Prompter() = default;

  // A modal message box with one OK button; returns when the user closed it.
  virtual void showMessage(QWidget* owner, const QString& text, const QString& title, Icon icon) = 0;

  // Runs the dialog modally and returns its result code.
  virtual int runModal(QDialog& dialog) = 0;

  // The desktop's dialog for choosing a file to open or to save; an empty
  // text when the user cancelled. filter: "Settings snapshots (*.json)" and the like.
  enum class FileChoice { Open, Save };
  virtual QString chooseFile(QWidget* owner, FileChoice choice, const QString& title, const QString& suggestion,
                             const QString& filter) = 0;
};

// The title of message boxes that have none of their own: the application's name.
QString applicationTitle();

}  // namespace zor::platform
