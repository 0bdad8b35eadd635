#include "dialogs/about_dialog.h"

#include <QStyle>

#include "resources/resource.h"
#include "resources/templates.h"

namespace zor::dialogs {

AboutDialog::AboutDialog(zor::platform::Prompter& prompter, const QIcon& icon, QWidget* parent)
    : zor::platform::Dialog(zor::resources::kAboutBoxTemplate, prompter, parent), icon_(icon) {}

bool AboutDialog::OnInitDialog() {
  zor::platform::Dialog::OnInitDialog();
  const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
  SetPicture(zor::resources::IDR_MAINFRAME, icon_.pixmap(extent, extent));
  return true;
}

}  // namespace zor::dialogs
