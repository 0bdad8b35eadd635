#include "dialogs/password_dialog.h"

#include "resources/resource.h"

namespace zor::dialogs {

namespace {

using K = zor::platform::Kind;

// The prompt's caption, also the field's name, and the text the dialog keeps.
constexpr const char* kPrompt = QT_TRANSLATE_NOOP("PasswordTemplate", "Password :");

const zor::platform::ControlTemplate kPasswordControls[] = {
    {password::IDC_PROMPT, K::Label, kPrompt, 10, 12, 40, 8},
    {password::IDC_PASSWORD, K::Edit, "", 52, 10, 118, 13, zor::platform::Password, kPrompt},
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("PasswordTemplate", "OK"), 66, 34, 50, 14,
     zor::platform::DefaultButton},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("PasswordTemplate", "Cancel"), 120, 34, 50, 14},
};

}  // namespace

const zor::platform::DialogTemplate kPasswordTemplate = {zor::resources::IDD_PASSWORD,
                                                         QT_TRANSLATE_NOOP("PasswordTemplate", "Password"),
                                                         180,
                                                         56,
                                                         8,
                                                         kPasswordControls,
                                                         "PasswordTemplate"};

PasswordDialog::PasswordDialog(zor::platform::Prompter& prompter, QWidget* parent)
    : zor::platform::Dialog(kPasswordTemplate, prompter, parent), m_strPrompt(templateText(kPrompt)) {}

void PasswordDialog::DoDataExchange(zor::platform::DataExchange& dx) {
  dx.text(password::IDC_PASSWORD, m_strPassword);
  dx.text(password::IDC_PROMPT, m_strPrompt);
}

}  // namespace zor::dialogs
