#include "resources/family_layout.h"

#include <array>
#include <string>

#include "resources/resource.h"

namespace zor::resources {

namespace {

using F = zor::service::Feature;

// Panel order, as the controls are laid out from top to bottom.
constexpr std::array<FamilyLayoutRow, 44> kLayout{{
    {1000, F::MinCurrent},        // "Min Current:"
    {1078, F::MinCurrent},        // minimum current
    {1057, F::MinCurrent},        // "Set Min"
    {1001, F::Current20},         // "20% Current:"
    {1080, F::Current20},         // 20% current
    {1058, F::Current20},         // "Set" (20% current)
    {1002, F::MaxCurrent},        // "Max Current:"
    {1079, F::MaxCurrent},        // maximum current
    {1056, F::MaxCurrent},        // "Set Max"
    {1036, F::InitPowerBoard},    // "Init Power B/d"
    {1038, F::GetCurrents},       // "Get Curr"
    {1041, F::Centering},         // "X:" centering
    {1042, F::Centering},         // "Y:" centering
    {1017, F::Centering},         // centering X
    {1018, F::Centering},         // centering Y
    {8, F::Centering},            // "Set" centering
    {7, F::Centering},            // "Get" centering
    {1086, F::Centering},         // "Adjust Center"
    {1003, F::DistortionValues},  // distortion X
    {1004, F::DistortionValues},  // distortion Y
    {4, F::DistortionValues},     // "Set" distortion
    {3, F::DistortionValues},     // "Get" distortion
    {1065, F::AdjustDistortion},  // "Adjust Distortion"
    {1068, F::ScaleValues},       // X scale correction
    {1069, F::ScaleValues},       // Y scale correction
    {1070, F::ScaleValues},       // "Set" scale
    {1071, F::ScaleValues},       // "Get" scale
    {1066, F::SquareMarks},       // "Mark Original Square"
    {1067, F::SquareMarks},       // "Mark Corrected Square"
    {1062, F::MaxField},          // "ON/OFF" Mark Max Field
    {1060, F::AimingAlignment},   // "Aiming Alignment..."
    {1061, F::SerialSet},         // "Set" serial number
    {1073, F::ModelNameSet},      // "Set" model name
    {1081, F::LensSet},           // "Set" lens
    {1040, F::ControllerModel},   // "Ctrlr Model:"
    {1094, F::ControllerModel},   // controller model
    {1092, F::ControllerModel},   // "Set" controller model
    {1093, F::ControllerModel},   // "Get" controller model
    {1095, F::Shutter},           // "OPEN" shutter
    {1096, F::Shutter},           // "CLOSE" shutter
    {1084, F::ShowVersion},       // "Show Version"
    {1087, F::WorkingTime},       // "Get Work Time"
    {1088, F::WorkingTime},       // "Init. Work Time"
    {1089, F::Network},           // "Config IP"
}};

}  // namespace

std::span<const FamilyLayoutRow> FamilyLayout() { return kLayout; }

int FamilyPicture(zor::link::Family family) {
  switch (family) {
    case zor::link::Family::NK:
      return IDB_NK_FAMILY;
    case zor::link::Family::N:
      return IDB_N_FAMILY;
    case zor::link::Family::NZ:
      return IDB_NZ_FAMILY;
  }
  return IDB_NZ_FAMILY;
}

int LensIndex(unsigned lens) {
  for (int i = 0; i < static_cast<int>(std::size(kLensPresets)); ++i)
    if (std::to_string(lens) == kLensPresets[i]) return i;
  return 0;
}

}  // namespace zor::resources
