#pragma once
// The working-time entry: one field for "Days,HH:MM:SS" and OK / Cancel. It
// only collects the text; InitWorkingTime checks it and sends it.

#include <QString>

#include "platform/dialog.h"

namespace zor::dialogs {

class WorkingTimeDialog : public zor::platform::Dialog {
  Q_OBJECT
 public:
  explicit WorkingTimeDialog(zor::platform::Prompter& prompter, QWidget* parent = nullptr);

  QString m_strWorkingTime;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(zor::platform::DataExchange& dx) override;
};

namespace working_time {
inline constexpr int IDC_LABEL = 1013;
inline constexpr int IDC_WORKING_TIME = 1014;
}  // namespace working_time

// The working-time entry dialog's controls and texts.
extern const zor::platform::DialogTemplate kWorkingTimeTemplate;

}  // namespace zor::dialogs
