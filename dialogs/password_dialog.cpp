#include "dialogs/password_dialog.h"

#include "resources/resource.h"

namespace zor::dialogs {

namespace {

using K = zor::platform::Kind;

const zor::platform::ControlTemplate kPasswordControls[] = {
    {password::IDC_PROMPT, K::Label, "Password :", 10, 12, 40, 8},
    {password::IDC_PASSWORD, K::Edit, "", 52, 10, 118, 13, zor::platform::Password, "Password :"},
    {zor::platform::IDOK, K::Button, "OK", 66, 34, 50, 14, zor::platform::DefaultButton},
    {zor::platform::IDCANCEL, K::Button, "Cancel", 120, 34, 50, 14},
};

const zor::platform::DialogTemplate kPasswordTemplate = {
    zor::resources::IDD_PASSWORD, "Password", 180, 56, 8, kPasswordControls};

}  // namespace

PasswordDialog::PasswordDialog(zor::platform::Prompter& prompter, QWidget* parent)
    : zor::platform::Dialog(kPasswordTemplate, prompter, parent) {}

void PasswordDialog::DoDataExchange(zor::platform::DataExchange& dx) {
  dx.text(password::IDC_PASSWORD, m_strPassword);
  dx.text(password::IDC_PROMPT, m_strPrompt);
}

}  // namespace zor::dialogs
