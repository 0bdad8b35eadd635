#include "resources/family_layout.h"

#include <array>
#include <string>

#include "resources/resource.h"

namespace zor::resources {

namespace {

using F = zor::service::Feature;
using namespace panel;  // the main panel's control identifiers

// Panel order, as the controls are laid out from top to bottom.
constexpr std::array<FamilyLayoutRow, 44> kLayout{{
    {IDC_MIN_CURRENT_LABEL, F::MinCurrent},        // "Min Current:"
    {IDC_MIN_CURRENT, F::MinCurrent},              // minimum current
    {IDC_SET_MIN, F::MinCurrent},                  // "Set Min"
    {IDC_20_CURRENT_LABEL, F::Current20},          // "20% Current:"
    {IDC_20_CURRENT, F::Current20},                // 20% current
    {IDC_SET_20, F::Current20},                    // "Set" (20% current)
    {IDC_MAX_CURRENT_LABEL, F::MaxCurrent},        // "Max Current:"
    {IDC_MAX_CURRENT, F::MaxCurrent},              // maximum current
    {IDC_SET_MAX, F::MaxCurrent},                  // "Set Max"
    {IDC_INIT_POWER_BOARD, F::InitPowerBoard},     // "Init Power B/d"
    {IDC_GET_CURRENTS, F::GetCurrents},            // "Get Curr"
    {IDC_CENTER_X_LABEL, F::Centering},            // "X:" centering
    {IDC_CENTER_Y_LABEL, F::Centering},            // "Y:" centering
    {IDC_CENTER_X, F::Centering},                  // centering X
    {IDC_CENTER_Y, F::Centering},                  // centering Y
    {IDC_CENTER_SET, F::Centering},                // "Set" centering
    {IDC_CENTER_GET, F::Centering},                // "Get" centering
    {IDC_ADJUST_CENTER, F::Centering},             // "Adjust Center"
    {IDC_DISTORTION_X, F::DistortionValues},       // distortion X
    {IDC_DISTORTION_Y, F::DistortionValues},       // distortion Y
    {IDC_DISTORTION_SET, F::DistortionValues},     // "Set" distortion
    {IDC_DISTORTION_GET, F::DistortionValues},     // "Get" distortion
    {IDC_ADJUST_DISTORTION, F::AdjustDistortion},  // "Adjust Distortion"
    {IDC_SCALE_X, F::ScaleValues},                 // X scale correction
    {IDC_SCALE_Y, F::ScaleValues},                 // Y scale correction
    {IDC_SCALE_SET, F::ScaleValues},               // "Set" scale
    {IDC_SCALE_GET, F::ScaleValues},               // "Get" scale
    {IDC_MARK_ORIGINAL_SQUARE, F::SquareMarks},    // "Mark Original Square"
    {IDC_MARK_CORRECTED_SQUARE, F::SquareMarks},   // "Mark Corrected Square"
    {IDC_MARK_MAX_FIELD, F::MaxField},             // "ON/OFF" Mark Max Field
    {IDC_AIMING_ALIGNMENT, F::AimingAlignment},    // "Aiming Alignment..."
    {IDC_SERIAL_SET, F::SerialSet},                // "Set" serial number
    {IDC_MODEL_SET, F::ModelNameSet},              // "Set" model name
    {IDC_LENS_SET, F::LensSet},                    // "Set" lens
    {IDC_CTRLR_MODEL_LABEL, F::ControllerModel},   // "Ctrlr Model:"
    {IDC_CTRLR_MODEL, F::ControllerModel},         // controller model
    {IDC_CTRLR_MODEL_SET, F::ControllerModel},     // "Set" controller model
    {IDC_CTRLR_MODEL_GET, F::ControllerModel},     // "Get" controller model
    {IDC_SHUTTER_OPEN, F::Shutter},                // "OPEN" shutter
    {IDC_SHUTTER_CLOSE, F::Shutter},               // "CLOSE" shutter
    {IDC_SHOW_VERSION, F::ShowVersion},            // "Show Version"
    {IDC_GET_WORK_TIME, F::WorkingTime},           // "Get Work Time"
    {IDC_INIT_WORK_TIME, F::WorkingTime},          // "Init. Work Time"
    {IDC_CONFIG_IP, F::Network},                   // "Config IP"
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
