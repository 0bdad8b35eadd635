#include <QtEndian>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/main_dialog.h"
#include "dialogs/working_time_dialog.h"
#include "duration/duration.h"
#include "protocol/zor_protocol.h"
#include "platform/utf16.h"
#include "resources/resource.h"

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
constexpr char16_t kBoxPattern[] = u"Total working days: %D,%H:%M:%S";
constexpr char16_t kFieldPattern[] = u"%D,%H:%M:%S";

const QString kReadFailedMessage =
    QStringLiteral("The working time could not be read from the controller.");

// The marking time the tool shows: a fixed count of 100 ns ticks.
constexpr double kMarkingTimeTicks = 1043209991.4550781;

QString qstr(const std::u16string& text) { return QString::fromStdU16String(text); }

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

void CZORSystemMaintenanceDlg::ReadWorkingTime() {
  std::array<std::uint8_t, 4> block{};
  EnsureConnected();
  // A failed query would leave the zeroed block, which reads as a counter of
  // 0 seconds: say so instead, and keep the field's last reading.
  if (QueryStatus(zor::CMD_GET_WORK_TIME, block.data(), static_cast<std::int32_t>(block.size())) != 0) {
    prompter().showMessage(this, kReadFailedMessage, kBoxTitle, Icon::Warning);
    return;
  }
  const std::uint32_t counter = qFromLittleEndian<std::uint32_t>(block.data());
  const Duration value = counter;
  prompter().showMessage(this, qstr(FormatDuration(value, kBoxPattern)), kBoxTitle, Icon::Information);
  m_strWorking = qstr(FormatDuration(value, kFieldPattern));
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::InitWorkingTime() {
  if (!VerifyServicePassword()) return;
  CWorkingTime entry(prompter(), this);
  if (entry.DoModal() != platform::IDOK) return;
  // Only plain whole numbers whose total the controller's 32-bit counter can
  // hold: anything else would set the counter to a value nobody typed.
  const std::optional<std::uint32_t> seconds = WorkingTimeResetSeconds(platform::Utf16View(entry.m_strWorkingTime));
  if (!seconds) {
    prompter().showMessage(this, qstr(std::u16string(kWorkingTimeEntryRefusedMessage)), kBoxTitle,
                           Icon::Warning);
    return;
  }
  prompter().showMessage(this, qstr(FormatDuration(*seconds, kBoxPattern)), kBoxTitle, Icon::Information);
  SendText(zor::CMD_SET_WORK_TIME, QString::number(*seconds));
}

void CZORSystemMaintenanceDlg::ShowMarkingTime() {
  const auto ticks = static_cast<std::uint64_t>(static_cast<std::int64_t>(kMarkingTimeTicks));
  const auto minutes = static_cast<std::uint32_t>(ticks / 600000000u);
  const auto seconds = static_cast<std::uint32_t>(ticks / 10000000u % 60u);
  const auto milliseconds = static_cast<std::uint32_t>(ticks % 10000000u / 10000u);
  prompter().showMessage(this, QString::asprintf("Marking Time: %u:%02u.%03u", minutes, seconds, milliseconds),
                         kBoxTitle, Icon::Information);
}
