#include "dialogs/about_dialog.h"

#include <QStyle>

#include "resources/resource.h"
#include "resources/templates.h"

CAboutDlg::CAboutDlg(platform::Prompter& prompter, const QIcon& icon, QWidget* parent)
    : platform::Dialog(res::kAboutBoxTemplate, prompter, parent), icon_(icon) {}

bool CAboutDlg::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
  SetPicture(res::IDR_MAINFRAME, icon_.pixmap(extent, extent));
  return true;
}
