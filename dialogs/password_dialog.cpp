#include "dialogs/password_dialog.h"

#include "resources/resource.h"

namespace {

using K = platform::Kind;

const platform::ControlTemplate kPasswordControls[] = {
    {password::IDC_PROMPT, K::Label, "Password :", 10, 12, 40, 8},
    {password::IDC_PASSWORD, K::Edit, "", 52, 10, 118, 13, platform::Password, "Password :"},
    {platform::IDOK, K::Button, "OK", 66, 34, 50, 14, platform::DefaultButton},
    {platform::IDCANCEL, K::Button, "Cancel", 120, 34, 50, 14},
};

const platform::DialogTemplate kPasswordTemplate = {res::IDD_PASSWORD, "Password", 180, 56, 8, kPasswordControls};

}  // namespace

CDlgPassword::CDlgPassword(platform::Prompter& prompter, QWidget* parent)
    : platform::Dialog(kPasswordTemplate, prompter, parent) {}

void CDlgPassword::DoDataExchange(platform::DataExchange& dx) {
  dx.text(password::IDC_PASSWORD, m_strPassword);
  dx.text(password::IDC_PROMPT, m_strPrompt);
}
