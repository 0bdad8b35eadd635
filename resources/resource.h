#pragma once
// Resource identifiers: templates, pictures, icon, strings, and the controls
// of the main panel.

namespace zor::resources {

// Dialog templates
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_ZORSYSTEMMAINTENANCE_DIALOG = 102;
inline constexpr int IDD_PASSWORD = 130;
inline constexpr int IDD_CONFIG_LAN = 133;
inline constexpr int IDD_DISTORTION_CORRECTION = 141;
inline constexpr int IDD_AIMING_DIODE_ALIGNMENT = 142;
inline constexpr int IDD_WORKING_TIME = 143;
inline constexpr int IDD_CALIBRATE_FIELD = 144;

// Icon, pictures, strings, menu
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDB_NZ_FAMILY = 130;  // 90 x 26
inline constexpr int IDB_NK_FAMILY = 131;  // 60 x 19
inline constexpr int IDB_N_FAMILY = 132;   // 90 x 26
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDM_ABOUTBOX = 0x0010;
inline constexpr int IDM_BACKUP = 0x0020;       // "Back Up Settings..."
inline constexpr int IDM_RESTORE = 0x0030;      // "Compare/Restore Settings..."
inline constexpr int IDM_SERVICE_LOG = 0x0040;  // "Service Log..."
inline constexpr int IDM_CALIBRATE = 0x0050;    // "Calibrate Field..."
inline constexpr int IDM_REPORT = 0x0060;       // "Service Report..."

}  // namespace zor::resources

// Controls of the main panel, template 102.
namespace zor::resources::panel {

inline constexpr int IDC_MARK_MAX_FIELD = 1062;
inline constexpr int IDC_AIM_XA = 1013;
inline constexpr int IDC_AIM_YA = 1014;
inline constexpr int IDC_AIM_XB = 1015;
inline constexpr int IDC_AIM_YB = 1016;
inline constexpr int IDC_AIM_SET = 6;
inline constexpr int IDC_AIM_GET = 5;
inline constexpr int IDC_AIMING_ALIGNMENT = 1060;
inline constexpr int IDC_BUILD = 1035;

inline constexpr int IDC_CENTER_X_LABEL = 1041;
inline constexpr int IDC_CENTER_Y_LABEL = 1042;
inline constexpr int IDC_CENTER_X = 1017;
inline constexpr int IDC_CENTER_Y = 1018;
inline constexpr int IDC_CENTER_SET = 8;
inline constexpr int IDC_CENTER_GET = 7;
inline constexpr int IDC_ADJUST_CENTER = 1086;

inline constexpr int IDC_DISTORTION_X = 1003;
inline constexpr int IDC_DISTORTION_Y = 1004;
inline constexpr int IDC_DISTORTION_SET = 4;
inline constexpr int IDC_DISTORTION_GET = 3;
inline constexpr int IDC_ADJUST_DISTORTION = 1065;

inline constexpr int IDC_MARK_ORIGINAL_SQUARE = 1066;
inline constexpr int IDC_MARK_CORRECTED_SQUARE = 1067;
inline constexpr int IDC_SCALE_X = 1068;
inline constexpr int IDC_SCALE_Y = 1069;
inline constexpr int IDC_SCALE_SET = 1070;
inline constexpr int IDC_SCALE_GET = 1071;
inline constexpr int IDC_MOVE_X = 1022;
inline constexpr int IDC_MOVE_Y = 1023;
inline constexpr int IDC_MOVE = 1074;

inline constexpr int IDC_RC_JUMP_DELAY = 1037;
inline constexpr int IDC_RC_JD_SET = 1076;
inline constexpr int IDC_RESET_SERIAL = 1077;

inline constexpr int IDC_MIN_CURRENT_LABEL = 1000;
inline constexpr int IDC_MIN_CURRENT = 1078;
inline constexpr int IDC_SET_MIN = 1057;
inline constexpr int IDC_20_CURRENT_LABEL = 1001;
inline constexpr int IDC_20_CURRENT = 1080;
inline constexpr int IDC_SET_20 = 1058;
inline constexpr int IDC_MAX_CURRENT_LABEL = 1002;
inline constexpr int IDC_MAX_CURRENT = 1079;
inline constexpr int IDC_SET_MAX = 1056;
inline constexpr int IDC_INIT_POWER_BOARD = 1036;
inline constexpr int IDC_GET_CURRENTS = 1038;
inline constexpr int IDC_SERIAL_NUMBER = 1064;
inline constexpr int IDC_SERIAL_SET = 1061;
inline constexpr int IDC_MODEL_NAME = 1072;
inline constexpr int IDC_MODEL_SET = 1073;
inline constexpr int IDC_LENS = 1082;
inline constexpr int IDC_LENS_SET = 1081;
inline constexpr int IDC_CTRLR_MODEL_LABEL = 1040;
inline constexpr int IDC_CTRLR_MODEL = 1094;
inline constexpr int IDC_CTRLR_MODEL_SET = 1092;
inline constexpr int IDC_CTRLR_MODEL_GET = 1093;

inline constexpr int IDC_JUMP_DELAY = 1005;
inline constexpr int IDC_X_MULTIPLIER = 1006;
inline constexpr int IDC_Y_MULTIPLIER = 1007;
inline constexpr int IDC_JUMP_DELAY_SET = 1008;
inline constexpr int IDC_X_MULTIPLIER_SET = 1009;
inline constexpr int IDC_Y_MULTIPLIER_SET = 1010;

inline constexpr int IDC_SHUTTER_OPEN = 1095;
inline constexpr int IDC_SHUTTER_CLOSE = 1096;

inline constexpr int IDC_PULSE = 1075;
inline constexpr int IDC_PULSE_SPIN = 1034;
inline constexpr int IDC_TEST_POWER_ON = 1090;
inline constexpr int IDC_TEST_POWER_OFF = 1091;

inline constexpr int IDC_AIMING = 1085;
inline constexpr int IDC_SHOW_VERSION = 1084;
inline constexpr int IDC_GET_WORK_TIME = 1087;
inline constexpr int IDC_INIT_WORK_TIME = 1088;
inline constexpr int IDC_MARKER_TIME = 1097;
inline constexpr int IDC_GET_INFO = 1083;
inline constexpr int IDC_CONFIG_IP = 1089;
inline constexpr int IDC_FAMILY_PICTURE = 1011;
inline constexpr int IDC_WORKING = 1012;

}  // namespace zor::resources::panel
