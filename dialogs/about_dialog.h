#pragma once
// The About box: the icon, the name and version, and OK.

#include <QIcon>

#include "platform/dialog.h"

class CAboutDlg : public platform::Dialog {
  Q_OBJECT
 public:
  CAboutDlg(platform::Prompter& prompter, const QIcon& icon, QWidget* parent = nullptr);

 protected:
  bool OnInitDialog() override;

 private:
  QIcon icon_;
};
