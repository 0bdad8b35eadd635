#pragma once
// The dialog templates of the main panel and the About box, and the string table.

#include <QString>

#include "platform/dialog_template.h"

namespace res {

extern const platform::DialogTemplate kMainPanelTemplate;  // 102
extern const platform::DialogTemplate kAboutBoxTemplate;   // 100

// The lens presets of combo 1082, in mm, and the controller model codes of combo 1094.
inline constexpr const char* kLensPresets[] = {"60", "100", "163", "254", "300", "420"};
inline constexpr const char* kControllerModelCodes[] = {"100021", "100022", "200031", "200041"};

QString LoadString(int id);  // the string table; empty for an unknown identifier

}  // namespace res
