// The service password in front of the identity Sets, the working-time reset
// and a restore of identity values.

#include "dialogs/password_dialog.h"
#include "panel/main_dialog.h"
#include "platform/utf16.h"

namespace zor::panel {

// A fresh prompt every time: nothing is remembered between operations.
std::optional<QString> CZORSystemMaintenanceDlg::VerifyServicePassword() {
  zor::dialogs::PasswordDialog prompt(prompter(), this);
  if (prompt.DoModal() != zor::platform::IDOK) return std::nullopt;
  if (!zor::service::MatchesServicePassword(zor::platform::Utf16View(prompt.m_strPassword))) return std::nullopt;
  return prompt.m_strPassword;
}

}  // namespace zor::panel
