#pragma once
// The dialog templates of the main panel and the About box, and the string table.

#include <QString>

#include "platform/dialog_template.h"

namespace zor::resources {

extern const zor::platform::DialogTemplate kMainPanelTemplate;  // 102
extern const zor::platform::DialogTemplate kAboutBoxTemplate;   // 100

QString LoadString(int id);  // the string table; empty for an unknown identifier

}  // namespace zor::resources
