#pragma once
// How the main panel follows the device family: the controls each family
// enables or disables, the family's picture, and the lens combo's presets.

#include <array>
#include <cstdint>
#include <span>

#include "link/system_info.h"

namespace res {

enum class ControlChange : std::uint8_t { Unchanged, Enable, Disable };

struct FamilyLayoutRow {
  int id;
  ControlChange nk, n, nz;
  ControlChange forFamily(zor::Family f) const {
    return f == zor::Family::NK ? nk : f == zor::Family::N ? n : nz;
  }
};

// The controls each family enables or disables, in panel order.
std::span<const FamilyLayoutRow> FamilyLayout();

int FamilyPicture(zor::Family family);  // bitmap resource 131, 132 or 130

// The lens presets of combo 1082, in mm, and a lens's position among them;
// every other lens goes to 0, where 60 sits.
inline constexpr const char* kLensPresets[] = {"60", "100", "163", "254", "300", "420"};
int LensIndex(unsigned lens);

}  // namespace res
