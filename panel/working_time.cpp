// "Get Work Time", "Init. Work Time" and "Mrkr Time".

#include <QCoreApplication>
#include <cstdint>
#include <optional>

#include "dialogs/outcome_view.h"
#include "dialogs/working_time_dialog.h"
#include "panel/main_dialog.h"
#include "platform/utf16.h"
#include "service/format.h"

namespace zor::panel {

using zor::dialogs::qstr;

namespace {

using Icon = zor::platform::Prompter::Icon;

// The title of the working-time boxes, in the user's language.
QString BoxTitle() { return QCoreApplication::translate("CZORSystemMaintenanceDlg", "Working Time"); }

// The marking time the tool shows: a fixed count of 100 ns ticks.
constexpr double kMarkingTimeTicks = 1043209991.4550781;

}  // namespace

// A failed read says so and keeps the field's last reading.
void CZORSystemMaintenanceDlg::ReadWorkingTime() {
  const auto seconds = service_.readWorkTime();
  if (!zor::dialogs::ShowOutcome(*this, seconds, BoxTitle())) return;
  prompter().showMessage(this, qstr(zor::service::FormatWorkTimeBox(seconds.value)), BoxTitle(), Icon::Information);
  m_strWorking = qstr(zor::service::FormatWorkTime(seconds.value));
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::InitWorkingTime() {
  const std::optional<QString> password = VerifyServicePassword();
  if (!password) return;
  zor::dialogs::WorkingTimeDialog entry(prompter(), this);
  if (entry.DoModal() != zor::platform::IDOK) return;
  const auto seconds = zor::service::ParseWorkTimeReset(zor::platform::Utf16View(entry.m_strWorkingTime));
  if (!zor::dialogs::ShowOutcome(*this, seconds, BoxTitle())) return;
  prompter().showMessage(this, qstr(zor::service::FormatWorkTimeBox(seconds.value)), BoxTitle(), Icon::Information);
  zor::dialogs::ShowOutcome(*this, service_.resetWorkTime(zor::platform::Utf16View(*password), seconds.value),
                            BoxTitle());
}

void CZORSystemMaintenanceDlg::ShowMarkingTime() {
  const auto ticks = static_cast<std::uint64_t>(static_cast<std::int64_t>(kMarkingTimeTicks));
  const auto minutes = static_cast<std::uint32_t>(ticks / 600000000u);
  const auto seconds = static_cast<std::uint32_t>(ticks / 10000000u % 60u);
  const auto milliseconds = static_cast<std::uint32_t>(ticks % 10000000u / 10000u);
  prompter().showMessage(this,
                         tr("Marking Time: %1").arg(QString::asprintf("%u:%02u.%03u", minutes, seconds, milliseconds)),
                         BoxTitle(), Icon::Information);
}

}  // namespace zor::panel
