#pragma once
// The About box: the icon, the name and version, and OK.

#include <QIcon>

#include "platform/dialog.h"

namespace zor::dialogs {

class AboutDialog : public zor::platform::Dialog {
  Q_OBJECT
 public:
  AboutDialog(zor::platform::Prompter& prompter, const QIcon& icon, QWidget* parent = nullptr);

 protected:
  bool OnInitDialog() override;

 private:
  QIcon icon_;
};

}  // namespace zor::dialogs
