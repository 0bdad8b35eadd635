// Template 100: the About box, and the string table.
#include <QCoreApplication>

#include "resources/resource.h"
#include "resources/templates.h"

namespace zor::resources {

using K = zor::platform::Kind;

static const zor::platform::ControlTemplate kAboutControls[] = {
    {IDR_MAINFRAME, K::Picture, "", 11, 17, 20, 20, 0, QT_TRANSLATE_NOOP("AboutBoxTemplate", "ZORSystemMaintence")},
    {zor::platform::IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("AboutBoxTemplate", "ZORSystemMaintence Version 1.0"), 40,
     10, 119, 8},
    {zor::platform::IDC_STATIC, K::Label,
     QT_TRANSLATE_NOOP("AboutBoxTemplate", "Service tool for ZOR laser marking systems"), 40, 25, 150, 8},
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("AboutBoxTemplate", "OK"), 178, 7, 50, 16,
     zor::platform::DefaultButton},
};

const zor::platform::DialogTemplate kAboutBoxTemplate = {
    IDD_ABOUTBOX,      QT_TRANSLATE_NOOP("AboutBoxTemplate", "About ZORSystemMaintence"), 235, 55, 8, kAboutControls,
    "AboutBoxTemplate"};

QString LoadString(int id) {
  if (id == IDS_ABOUTBOX) return QCoreApplication::translate("res::StringTable", "&About ZORSystemMaintenance...");
  return {};
}

}  // namespace zor::resources
