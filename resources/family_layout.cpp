#include "resources/family_layout.h"

#include <cstring>
#include <string>

#include "resources/resource.h"

namespace res {

namespace {

using CD = ControlChange;
constexpr CD E = CD::Enable;
constexpr CD D = CD::Disable;
constexpr CD U = CD::Unchanged;

// Panel order, as the controls are laid out from top to bottom.
constexpr std::array<FamilyLayoutRow, 44> kLayout{{
    //   id    NK- N-  NZ
    {1000, E, E, E},  // "Min Current:"
    {1078, E, E, E},  // minimum current
    {1057, E, E, E},  // "Set Min"
    {1001, E, E, D},  // "20% Current:"
    {1080, E, E, D},  // 20% current
    {1058, E, E, D},  // "Set" (20% current)
    {1002, E, E, D},  // "Max Current:"
    {1079, E, E, D},  // maximum current
    {1056, E, E, D},  // "Set Max"
    {1036, E, D, D},  // "Init Power B/d"
    {1038, E, D, U},  // "Get Curr"
    {1041, E, D, D},  // "X:" centering
    {1042, E, D, D},  // "Y:" centering
    {1017, E, D, D},  // centering X
    {1018, E, D, D},  // centering Y
    {8, E, D, D},     // "Set" centering
    {7, E, D, D},     // "Get" centering
    {1086, E, D, D},  // "Adjust Center"
    {1003, U, E, E},  // distortion X
    {1004, U, E, E},  // distortion Y
    {4, U, E, E},     // "Set" distortion
    {3, U, E, E},     // "Get" distortion
    {1065, U, D, E},  // "Adjust Distortion"
    {1068, U, E, E},  // X scale correction
    {1069, U, E, E},  // Y scale correction
    {1070, U, E, E},  // "Set" scale
    {1071, U, E, E},  // "Get" scale
    {1066, U, D, E},  // "Mark Original Square"
    {1067, U, D, E},  // "Mark Corrected Square"
    {1062, U, D, E},  // "ON/OFF" Mark Max Field
    {1060, U, D, E},  // "Aiming Alignment..."
    {1061, U, E, E},  // "Set" serial number
    {1073, U, U, E},  // "Set" model name
    {1081, U, E, E},  // "Set" lens
    {1040, D, D, E},  // "Ctrlr Model:"
    {1094, D, D, E},  // controller model
    {1092, D, D, E},  // "Set" controller model
    {1093, D, D, E},  // "Get" controller model
    {1095, E, E, D},  // "OPEN" shutter
    {1096, E, E, D},  // "CLOSE" shutter
    {1084, U, E, E},  // "Show Version"
    {1087, E, D, E},  // "Get Work Time"
    {1088, E, D, E},  // "Init. Work Time"
    {1089, D, D, E},  // "Config IP"
}};

}  // namespace

std::span<const FamilyLayoutRow> FamilyLayout() { return kLayout; }

int FamilyPicture(zor::Family family) {
  switch (family) {
    case zor::Family::NK: return IDB_NK_FAMILY;
    case zor::Family::N: return IDB_N_FAMILY;
    case zor::Family::NZ: return IDB_NZ_FAMILY;
  }
  return IDB_NZ_FAMILY;
}

int LensIndex(unsigned lens) {
  for (int i = 0; i < static_cast<int>(std::size(kLensPresets)); ++i)
    if (std::to_string(lens) == kLensPresets[i]) return i;
  return 0;
}

}  // namespace res
