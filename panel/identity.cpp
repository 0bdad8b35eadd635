#include "panel/identity.h"

#include "resources/family_layout.h"
#include "resources/resource.h"
#include "service/messages.h"
#include "service/text.h"

namespace zor::panel {

void ShowIdentity(const zor::service::Identity& identity, PanelSurface& panel) {
  if (!identity.readable) {
    panel.showMessage(zor::service::IdentityUnreadableText().localU16());
    return;
  }
  const zor::link::SystemInfo& info = identity.info;
  for (const zor::resources::FamilyLayoutRow& row : zor::resources::FamilyLayout()) {
    switch (row.forFamily(identity.family)) {
      case zor::service::FamilyChange::Enable:
        panel.setControlEnabled(row.id, true);
        break;
      case zor::service::FamilyChange::Disable:
        panel.setControlEnabled(row.id, false);
        break;
      case zor::service::FamilyChange::Unchanged:
        break;
    }
  }
  panel.showFamilyPicture(zor::resources::FamilyPicture(identity.family));
  panel.setLensIndex(zor::resources::LensIndex(info.lens));
  panel.setControlText(zor::resources::panel::IDC_SERIAL_NUMBER, zor::service::Decimal(info.serial));
  panel.setControlText(zor::resources::panel::IDC_MODEL_NAME, zor::link::ModelFieldText(info, identity.family));
  panel.setControlText(zor::resources::panel::IDC_LENS, zor::service::Decimal(info.lens));
  panel.rewriteBoundFields();
  panel.showMessage(zor::link::ConnectedMessage(info));
}

}  // namespace zor::panel
