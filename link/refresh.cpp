#include "link/refresh.h"

#include <array>
#include <string>

#include "protocol/zor_protocol.h"

namespace zor {

namespace {

constexpr int kSerialEdit = 1064;
constexpr int kModelEdit = 1072;
constexpr int kLensCombo = 1082;

std::u16string Decimal(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

void RefreshSystemInfo(CommandChannel& channel, PanelSurface& panel) {
  std::array<std::uint8_t, kSystemInfoLength> block{};
  if (channel.QueryStatus(CMD_GET_SYSTEM_INFO, block.data(), kSystemInfoLength) != 0) {
    // An unread block is all zeros: showing it would pass off serial 0 and an
    // empty name as the system, and lay the panel out for the wrong family.
    panel.showMessage(std::u16string(kIdentityUnreadableMessage));
    return;
  }

  const SystemInfo info = ParseSystemInfo(block.data());
  const Family family = DecideFamily(info.model);

  for (const FamilyLayoutRow& row : FamilyLayout()) {
    switch (row.forFamily(family)) {
      case ControlChange::Enable: panel.setControlEnabled(row.id, true); break;
      case ControlChange::Disable: panel.setControlEnabled(row.id, false); break;
      case ControlChange::Unchanged: break;
    }
  }
  panel.showFamilyPicture(FamilyPicture(family));

  const std::u16string message = ConnectedMessage(info);
  panel.setLensIndex(LensIndex(info.lens));
  panel.setControlText(kSerialEdit, Decimal(info.serial));
  panel.setControlText(kModelEdit, ModelFieldText(info, family));
  panel.setControlText(kLensCombo, Decimal(info.lens));
  panel.rewriteBoundFields();
  panel.showMessage(message);
}

}  // namespace zor
