// The controller's working-time counter: its readout and its reset.

#include <QtEndian>
#include <array>

#include "duration/duration.h"
#include "service/maintenance.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

// A failed query would leave a zeroed block, which reads as a counter of
// 0 seconds: that is a failed read, not a value.
Reading<std::uint32_t> Maintenance::readWorkTime() {
  return read<std::uint32_t>([&]() -> Reading<std::uint32_t> {
    std::array<std::uint8_t, protocol::kWorkTimeReplyLength> block{};
    channel_.EnsureConnected();
    if (channel_.QueryStatus(protocol::CMD_GET_WORK_TIME, block.data(), protocol::kWorkTimeReplyLength) != 0)
      return ReadFailed(
          text::Tr("zor::service::Maintenance", "The working time could not be read from the controller."));
    return qFromLittleEndian<std::uint32_t>(block.data());
  });
}

// Only plain whole numbers whose total the controller's 32-bit counter can
// hold: anything else would set the counter to a value nobody typed.
Reading<std::uint32_t> ParseWorkTimeReset(std::u16string_view entry) {
  const std::optional<std::uint32_t> seconds = duration::WorkingTimeResetSeconds(entry);
  if (!seconds)
    return Outcome::refused(
        Input::WorkTime, text::Tr("zor::service::Maintenance",
                                  "Enter the working time as Days,HH:MM:SS with four whole numbers, for example "
                                  "1,02:03:04. The largest working time the controller can hold is 49710,06:28:15."));
  return *seconds;
}

// The counter takes the seconds as decimal digits.
Outcome Maintenance::resetWorkTime(std::u16string_view password, std::uint32_t seconds) {
  if (!MatchesServicePassword(password)) return PasswordRefused();
  return sendText(Input::WorkTime, protocol::CMD_SET_WORK_TIME, Decimal(seconds));
}

}  // namespace zor::service
