#pragma once
// How the main panel follows the device family: the feature each control
// belongs to (what a family does to it is the service layer's family table),
// the family's picture, and the lens combo's presets.

#include <span>

#include "link/system_info.h"
#include "service/families.h"

namespace zor::resources {

struct FamilyLayoutRow {
  int id;
  zor::service::Feature feature;
  zor::service::FamilyChange forFamily(zor::link::Family family) const {
    return zor::service::FamilyRowOf(feature).forFamily(family);
  }
};

// The controls a family enables or disables, in panel order.
std::span<const FamilyLayoutRow> FamilyLayout();

int FamilyPicture(zor::link::Family family);  // bitmap resource 131, 132 or 130

// The lens presets of combo 1082, in mm, and a lens's position among them;
// every other lens goes to 0, where 60 sits.
inline constexpr const char* kLensPresets[] = {"60", "100", "163", "254", "300", "420"};
int LensIndex(unsigned lens);

}  // namespace zor::resources
