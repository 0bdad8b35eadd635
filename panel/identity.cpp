#include "panel/identity.h"

#include "resources/family_layout.h"
#include "resources/resource.h"
#include "service/messages.h"
#include "service/text.h"

namespace panel {

void ShowIdentity(const zor::service::Identity& identity, PanelSurface& panel) {
  if (!identity.readable) {
    panel.showMessage(zor::service::IdentityUnreadableText().localU16());
    return;
  }
  const zor::SystemInfo& info = identity.info;
  for (const res::FamilyLayoutRow& row : res::FamilyLayout()) {
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
  panel.showFamilyPicture(res::FamilyPicture(identity.family));
  panel.setLensIndex(res::LensIndex(info.lens));
  panel.setControlText(IDC_SERIAL_NUMBER, zor::service::Decimal(info.serial));
  panel.setControlText(IDC_MODEL_NAME, zor::ModelFieldText(info, identity.family));
  panel.setControlText(IDC_LENS, zor::service::Decimal(info.lens));
  panel.rewriteBoundFields();
  panel.showMessage(zor::ConnectedMessage(info));
}

}  // namespace panel
