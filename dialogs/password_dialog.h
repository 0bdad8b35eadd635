#pragma once
// The service-password prompt: a masked field and OK / Cancel. It only
// collects the text; VerifyServicePassword decides.

#include <QString>

#include "platform/dialog.h"

namespace zor::dialogs {

class PasswordDialog : public zor::platform::Dialog {
  Q_OBJECT
 public:
  explicit PasswordDialog(zor::platform::Prompter& prompter, QWidget* parent = nullptr);

  QString m_strPassword;
  QString m_strPrompt;  // the prompt's caption, in the user's language

 protected:
  void DoDataExchange(zor::platform::DataExchange& dx) override;
};

namespace password {
inline constexpr int IDC_PROMPT = 1013;
inline constexpr int IDC_PASSWORD = 1004;
}  // namespace password

// The service-password prompt dialog's controls and texts.
extern const zor::platform::DialogTemplate kPasswordTemplate;

}  // namespace zor::dialogs
