// Template 100: the About box, and the string table.
#include "resources/resource.h"
#include "resources/templates.h"

namespace zor::resources {

using K = zor::platform::Kind;

static const zor::platform::ControlTemplate kAboutControls[] = {
    {IDR_MAINFRAME, K::Picture, "", 11, 17, 20, 20, 0, "ZORSystemMaintence"},
    {zor::platform::IDC_STATIC, K::Label, "ZORSystemMaintence Version 1.0", 40, 10, 119, 8},
    {zor::platform::IDC_STATIC, K::Label, "Service tool for ZOR laser marking systems", 40, 25, 150, 8},
    {zor::platform::IDOK, K::Button, "OK", 178, 7, 50, 16, zor::platform::DefaultButton},
};

const zor::platform::DialogTemplate kAboutBoxTemplate = {IDD_ABOUTBOX,  "About ZORSystemMaintence", 235, 55, 8,
                                                         kAboutControls};

QString LoadString(int id) {
  if (id == IDS_ABOUTBOX) return QStringLiteral("&About ZORSystemMaintenance...");
  return {};
}

}  // namespace zor::resources
