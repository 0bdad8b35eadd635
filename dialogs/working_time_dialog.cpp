#include "dialogs/working_time_dialog.h"

#include <cstdint>
#include <optional>

#include "dialogs/outcome_view.h"
#include "panel/main_dialog.h"
#include "platform/utf16.h"
#include "resources/resource.h"
#include "service/format.h"

using panel::qstr;

namespace {

using K = platform::Kind;
using Icon = platform::Prompter::Icon;

const platform::ControlTemplate kWorkingTimeControls[] = {
    {platform::IDC_STATIC, K::Label, "Days,HH:MM:SS", 66, 16, 53, 8},
    {working_time::IDC_LABEL, K::Label, "Working Time :", 15, 29, 48, 8},
    {working_time::IDC_WORKING_TIME, K::Edit, "", 65, 26, 75, 14},
    {platform::IDOK, K::Button, "OK", 25, 49, 50, 14, platform::DefaultButton},
    {platform::IDCANCEL, K::Button, "Cancel", 89, 49, 50, 14},
};

const platform::DialogTemplate kWorkingTimeTemplate = {res::IDD_WORKING_TIME, "Working Time", 162, 81, 8,
                                                       kWorkingTimeControls};

const QString kBoxTitle = QStringLiteral("Working Time");

// The marking time the tool shows: a fixed count of 100 ns ticks.
constexpr double kMarkingTimeTicks = 1043209991.4550781;

}  // namespace

CWorkingTime::CWorkingTime(platform::Prompter& prompter, QWidget* parent)
    : platform::Dialog(kWorkingTimeTemplate, prompter, parent) {}

bool CWorkingTime::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  // The hint label sits above the field, not before it: tell assistive
  // technology the form the field expects.
  QWidget* field = GetDlgItem(working_time::IDC_WORKING_TIME);
  field->setAccessibleDescription(QStringLiteral("Days,HH:MM:SS"));
  // Typing goes straight into the one field.
  field->setFocus();
  return true;
}

void CWorkingTime::DoDataExchange(platform::DataExchange& dx) {
  dx.text(working_time::IDC_WORKING_TIME, m_strWorkingTime);
}

// A failed read says so and keeps the field's last reading.
void CZORSystemMaintenanceDlg::ReadWorkingTime() {
  const auto seconds = service_.readWorkTime();
  if (!panel::ShowOutcome(*this, seconds, kBoxTitle)) return;
  prompter().showMessage(this, qstr(zor::service::FormatWorkTimeBox(seconds.value)), kBoxTitle, Icon::Information);
  m_strWorking = qstr(zor::service::FormatWorkTime(seconds.value));
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::InitWorkingTime() {
  const std::optional<QString> password = VerifyServicePassword();
  if (!password) return;
  CWorkingTime entry(prompter(), this);
  if (entry.DoModal() != platform::IDOK) return;
  const auto seconds = zor::service::ParseWorkTimeReset(platform::Utf16View(entry.m_strWorkingTime));
  if (!panel::ShowOutcome(*this, seconds, kBoxTitle)) return;
  prompter().showMessage(this, qstr(zor::service::FormatWorkTimeBox(seconds.value)), kBoxTitle, Icon::Information);
  panel::ShowOutcome(*this, service_.resetWorkTime(platform::Utf16View(*password), seconds.value), kBoxTitle);
}

void CZORSystemMaintenanceDlg::ShowMarkingTime() {
  const auto ticks = static_cast<std::uint64_t>(static_cast<std::int64_t>(kMarkingTimeTicks));
  const auto minutes = static_cast<std::uint32_t>(ticks / 600000000u);
  const auto seconds = static_cast<std::uint32_t>(ticks / 10000000u % 60u);
  const auto milliseconds = static_cast<std::uint32_t>(ticks % 10000000u / 10000u);
  prompter().showMessage(this, QString::asprintf("Marking Time: %u:%02u.%03u", minutes, seconds, milliseconds),
                         kBoxTitle, Icon::Information);
}
