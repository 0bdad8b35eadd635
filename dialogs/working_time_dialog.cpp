#include "dialogs/working_time_dialog.h"

#include "resources/resource.h"

namespace zor::dialogs {

namespace {

using K = zor::platform::Kind;

const zor::platform::ControlTemplate kWorkingTimeControls[] = {
    {zor::platform::IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("WorkingTimeTemplate", "Days,HH:MM:SS"), 66, 16, 53, 8},
    {working_time::IDC_LABEL, K::Label, QT_TRANSLATE_NOOP("WorkingTimeTemplate", "Working Time :"), 15, 29, 48, 8},
    {working_time::IDC_WORKING_TIME, K::Edit, "", 65, 26, 75, 14},
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("WorkingTimeTemplate", "OK"), 25, 49, 50, 14,
     zor::platform::DefaultButton},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("WorkingTimeTemplate", "Cancel"), 89, 49, 50, 14},
};

}  // namespace

const zor::platform::DialogTemplate kWorkingTimeTemplate = {zor::resources::IDD_WORKING_TIME,
                                                            QT_TRANSLATE_NOOP("WorkingTimeTemplate", "Working Time"),
                                                            162,
                                                            81,
                                                            8,
                                                            kWorkingTimeControls,
                                                            "WorkingTimeTemplate"};

WorkingTimeDialog::WorkingTimeDialog(zor::platform::Prompter& prompter, QWidget* parent)
    : zor::platform::Dialog(kWorkingTimeTemplate, prompter, parent) {}

bool WorkingTimeDialog::OnInitDialog() {
  zor::platform::Dialog::OnInitDialog();
  // The hint label sits above the field, not before it: tell assistive
  // technology the form the field expects.
  QWidget* field = GetDlgItem(working_time::IDC_WORKING_TIME);
  field->setAccessibleDescription(tr("Days,HH:MM:SS"));
  // Typing goes straight into the one field.
  field->setFocus();
  return true;
}

void WorkingTimeDialog::DoDataExchange(zor::platform::DataExchange& dx) {
  dx.text(working_time::IDC_WORKING_TIME, m_strWorkingTime);
}

}  // namespace zor::dialogs
