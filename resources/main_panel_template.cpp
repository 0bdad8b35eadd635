// Template 102: the main panel. Controls in tab order; rectangles in dialog units.
// Its texts are translated under the context "MainPanelTemplate".
#include "resources/resource.h"
#include "resources/templates.h"

namespace zor::resources {

using zor::platform::ControlTemplate;
using zor::platform::IDC_STATIC;
using K = zor::platform::Kind;
using namespace zor::resources::panel;
constexpr unsigned kHidden = zor::platform::Hidden, kDisabled = zor::platform::Disabled,
                   kDefault = zor::platform::DefaultButton, kRight = zor::platform::AlignRight;

static const ControlTemplate kMainPanelControls[] = {
    // Top row
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Mark Max Field"), 7, 7, 59, 44},
    {IDC_MARK_MAX_FIELD, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "ON/OFF"), 14, 23, 45, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "ON/OFF Mark Max Field")},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Aiming Diode Alignment..."), 71, 7, 257, 44},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "XA:"), 78, 20, 12, 8},
    {IDC_AIM_XA, K::Edit, "", 92, 18, 32, 12, kDisabled},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "YA:"), 130, 20, 12, 8},
    {IDC_AIM_YA, K::Edit, "", 144, 18, 32, 12, kDisabled},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "XB:"), 78, 35, 12, 8},
    {IDC_AIM_XB, K::Edit, "", 92, 33, 32, 12, kDisabled},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "YB:"), 130, 35, 12, 8},
    {IDC_AIM_YB, K::Edit, "", 144, 33, 32, 12, kDisabled},
    {IDC_AIM_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 182, 17, 30, 13, kDisabled,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Aiming Diode Alignment")},
    {IDC_AIM_GET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get"), 182, 32, 30, 13, kDisabled,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Get Aiming Diode Alignment")},
    {IDC_AIMING_ALIGNMENT, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Aiming Alignment..."), 222, 17, 98, 14},
    {IDC_BUILD, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Build : 07/19/10"), 222, 36, 98, 8, kRight},

    // XY Centering Correction
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Centering Correction"), 7, 54, 321, 31},
    {IDC_CENTER_X_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "X:"), 16, 68, 10, 8},
    {IDC_CENTER_X, K::Edit, "", 28, 66, 50, 12, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Centering Correction X:")},
    {IDC_CENTER_Y_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Y:"), 86, 68, 10, 8},
    {IDC_CENTER_Y, K::Edit, "", 98, 66, 50, 12, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Centering Correction Y:")},
    {IDC_CENTER_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 156, 65, 36, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set XY Centering Correction")},
    {IDC_CENTER_GET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get"), 196, 65, 36, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Get XY Centering Correction")},
    {IDC_ADJUST_CENTER, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Adjust Center"), 246, 65, 74, 14},

    // XY Distortion Correction
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Distortion Correction"), 7, 88, 321, 30},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "X:"), 16, 101, 10, 8},
    {IDC_DISTORTION_X, K::Edit, "", 28, 99, 50, 12, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Distortion Correction X:")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Y:"), 86, 101, 10, 8},
    {IDC_DISTORTION_Y, K::Edit, "", 98, 99, 50, 12, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Distortion Correction Y:")},
    {IDC_DISTORTION_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 156, 98, 36, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set XY Distortion Correction")},
    {IDC_DISTORTION_GET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get"), 196, 98, 36, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Get XY Distortion Correction")},
    {IDC_ADJUST_DISTORTION, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Adjust Distortion"), 246, 98, 74, 14},

    // XY Scale Correction
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "XY Scale Correction"), 7, 121, 321, 72},
    {IDC_MARK_ORIGINAL_SQUARE, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Mark Original Square"), 16, 134, 96,
     14},
    {IDC_MARK_CORRECTED_SQUARE, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Mark Corrected Square"), 118, 134,
     96, 14},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "X Scale Correction:"), 16, 156, 66, 8},
    {IDC_SCALE_X, K::Edit, "", 84, 154, 46, 12},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Y Scale Correction:"), 138, 156, 66, 8},
    {IDC_SCALE_Y, K::Edit, "", 206, 154, 46, 12},
    {IDC_SCALE_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 258, 153, 30, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set XY Scale Correction")},
    {IDC_SCALE_GET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get"), 292, 153, 30, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Get XY Scale Correction")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Move To X:"), 16, 175, 40, 8},
    {IDC_MOVE_X, K::Edit, "", 58, 173, 40, 12},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Y:"), 106, 175, 10, 8},
    {IDC_MOVE_Y, K::Edit, "", 118, 173, 40, 12, 0, QT_TRANSLATE_NOOP("MainPanelTemplate", "Move To Y:")},
    {IDC_MOVE, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Move"), 166, 172, 40, 14},

    // Created hidden and never shown.
    {IDC_RC_JUMP_DELAY, K::Edit, "", 270, 173, 24, 12, kHidden,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "RC Jump Delay")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "RC Jump Delay"), 214, 175, 54, 8, kHidden},
    {IDC_RC_JD_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "RC JD Set"), 214, 172, 40, 14, kHidden},
    {IDC_RESET_SERIAL, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Reset Serial"), 260, 172, 50, 14, kHidden},

    // Parameters
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Parameters"), 7, 197, 321, 97},
    {IDC_MIN_CURRENT_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Min Current:"), 14, 212, 46, 8},
    {IDC_MIN_CURRENT, K::Edit, "", 62, 210, 40, 12},
    {IDC_SET_MIN, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Min"), 106, 209, 42, 14},
    {IDC_20_CURRENT_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "20% Current:"), 14, 230, 46, 8},
    {IDC_20_CURRENT, K::Edit, "", 62, 228, 40, 12},
    {IDC_SET_20, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 106, 227, 42, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set 20% Current")},
    {IDC_MAX_CURRENT_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Max Current:"), 14, 248, 46, 8},
    {IDC_MAX_CURRENT, K::Edit, "", 62, 246, 40, 12},
    {IDC_SET_MAX, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Max"), 106, 245, 42, 14},
    {IDC_INIT_POWER_BOARD, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Init Power B/d"), 14, 269, 64, 14},
    {IDC_GET_CURRENTS, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get Curr"), 84, 269, 64, 14},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Serial Number:"), 158, 212, 50, 8},
    {IDC_SERIAL_NUMBER, K::Edit, "", 210, 210, 66, 12},
    {IDC_SERIAL_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 280, 209, 42, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Serial Number")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Model Name:"), 158, 230, 50, 8},
    {IDC_MODEL_NAME, K::Edit, "", 210, 228, 66, 12},
    {IDC_MODEL_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 280, 227, 42, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Model Name")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Lens:"), 158, 248, 50, 8},
    {IDC_LENS, K::ComboDropDown, "", 210, 246, 66, 13},
    {IDC_LENS_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 280, 245, 42, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Lens")},
    {IDC_CTRLR_MODEL_LABEL, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Ctrlr Model:"), 158, 271, 50, 8,
     kDisabled},
    {IDC_CTRLR_MODEL, K::ComboDropDown, "", 210, 269, 60, 13, kDisabled},
    {IDC_CTRLR_MODEL_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 274, 268, 23, 14, kDisabled,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Ctrlr Model")},
    {IDC_CTRLR_MODEL_GET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get"), 299, 268, 23, 14, kDisabled,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Get Ctrlr Model")},

    // Delay Adjustment
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Delay Adjustment"), 7, 298, 166, 52},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Jump Delay:"), 14, 309, 48, 8},
    {IDC_JUMP_DELAY, K::Edit, "", 14, 318, 48, 12},
    {IDC_JUMP_DELAY_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 14, 333, 48, 13, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Jump Delay")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "X Multiplier:"), 66, 309, 48, 8},
    {IDC_X_MULTIPLIER, K::Edit, "", 66, 318, 48, 12},
    {IDC_X_MULTIPLIER_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 66, 333, 48, 13, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set X Multiplier")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Y Multipler:"), 118, 309, 48, 8},
    {IDC_Y_MULTIPLIER, K::Edit, "", 118, 318, 48, 12},
    {IDC_Y_MULTIPLIER_SET, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Set"), 118, 333, 48, 13, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "Set Y Multipler")},

    // Shutter
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Shutter"), 178, 300, 56, 50},
    {IDC_SHUTTER_OPEN, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "OPEN"), 186, 313, 40, 14},
    {IDC_SHUTTER_CLOSE, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "CLOSE"), 186, 331, 40, 14},

    // Testing Power
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("MainPanelTemplate", "Testing Power"), 242, 300, 86, 50},
    {IDC_PULSE, K::Edit, "", 250, 313, 40, 12, 0, QT_TRANSLATE_NOOP("MainPanelTemplate", "Pulse")},
    {IDC_PULSE_SPIN, K::UpDown, "", 0, 0, 10, 12, 0, QT_TRANSLATE_NOOP("MainPanelTemplate", "Pulse")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Pulse"), 294, 315, 28, 8},
    {IDC_TEST_POWER_ON, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "ON"), 250, 331, 34, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "ON Testing Power")},
    {IDC_TEST_POWER_OFF, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "OFF"), 288, 331, 34, 14, 0,
     QT_TRANSLATE_NOOP("MainPanelTemplate", "OFF Testing Power")},

    // The two rows of loose controls
    {IDC_AIMING, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "AIMING"), 7, 355, 44, 14},
    {IDC_SHOW_VERSION, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Show Version"), 55, 355, 54, 14},
    {IDC_GET_WORK_TIME, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get Work Time"), 113, 355, 58, 14},
    {IDC_INIT_WORK_TIME, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Init. Work Time"), 175, 355, 60, 14},
    {IDC_MARKER_TIME, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Mrkr Time"), 239, 355, 42, 14},
    {IDC_GET_INFO, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Get Info"), 285, 355, 43, 14},
    {IDC_CONFIG_IP, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Config IP"), 7, 374, 44, 14},
    {IDC_FAMILY_PICTURE, K::Picture, "", 56, 372, 58, 17, 0, QT_TRANSLATE_NOOP("MainPanelTemplate", "Device family")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("MainPanelTemplate", "Working :"), 118, 377, 32, 8},
    {IDC_WORKING, K::Edit, "", 150, 375, 66, 12},
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "OK"), 226, 374, 48, 14, kDefault},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("MainPanelTemplate", "Cancel"), 280, 374, 48, 14},
};

const zor::platform::DialogTemplate kMainPanelTemplate = {
    IDD_ZORSYSTEMMAINTENANCE_DIALOG,
    QT_TRANSLATE_NOOP("MainPanelTemplate", "SystemMaintenance (N/NK/NZ-Series)"),
    335,
    393,
    8,
    kMainPanelControls,
    "MainPanelTemplate"};

static_assert(std::size(kMainPanelControls) == 105);

}  // namespace zor::resources
