#pragma once
// "Calibrate Field": the guided calibration of the scan field. The user marks
// the corrected square, measures it and types the sizes; Apply has the
// service layer compute the new scale and distortion corrections from them
// and the corrections the controller holds now, shows old and new values and
// the sizes the next square should have, and sends them. Each round is
// listed; the next one reads the corrections afresh.

#include <QJsonObject>
#include <optional>

#include "platform/dialog.h"
#include "service/calibration.h"
#include "service/maintenance.h"

class QTableWidget;

namespace zor::dialogs {

class CalibrateFieldDialog : public zor::platform::Dialog {
  Q_OBJECT
 public:
  CalibrateFieldDialog(zor::service::Maintenance& service, zor::platform::Prompter& prompter,
                       QWidget* parent = nullptr);

  QTableWidget* rounds() const { return m_pRounds; }

 protected:
  bool OnInitDialog() override;
  QWidget* createCustomControl(const zor::platform::ControlTemplate& t) override;

 private:
  void OnMark();
  void OnApply();
  // The measurements as typed; nothing, after telling the user, when a field
  // holds no number (or a required one is empty).
  std::optional<zor::service::CalibrationInput> TypedInput();
  void ShowPlan(const zor::service::CalibrationPlan& plan);
  void AddRound(const zor::service::CalibrationPlan& plan, const QString& result);
  void FocusField(int id);
  // Enter presses the button of the step that comes next.
  void SetDefaultStep(int buttonId);
  void SetStatus(const QString& text);

  zor::service::Maintenance& m_service;
  // The last round sent, as the service log records it.
  std::optional<QJsonObject> m_lastApplied;
  QTableWidget* m_pRounds = nullptr;
};

namespace calibrate {
inline constexpr int IDC_FIGURE = 1000;
inline constexpr int IDC_MARK = 1001;
inline constexpr int IDC_WIDTH = 1002;
inline constexpr int IDC_HEIGHT = 1003;
inline constexpr int IDC_TOP = 1004;
inline constexpr int IDC_LEFT = 1005;
inline constexpr int IDC_NOMINAL = 1006;
inline constexpr int IDC_APPLY = 1007;
inline constexpr int IDC_STATUS = 1008;
// Now and New of the scale X and Y and the distortion X and Y, in that order.
inline constexpr int IDC_SCALE_X_NOW = 1010;
inline constexpr int IDC_SCALE_X_NEW = 1011;
inline constexpr int IDC_SCALE_Y_NOW = 1012;
inline constexpr int IDC_SCALE_Y_NEW = 1013;
inline constexpr int IDC_DISTORTION_X_NOW = 1014;
inline constexpr int IDC_DISTORTION_X_NEW = 1015;
inline constexpr int IDC_DISTORTION_Y_NOW = 1016;
inline constexpr int IDC_DISTORTION_Y_NEW = 1017;
inline constexpr int IDC_EXPECTED_WIDTH = 1018;
inline constexpr int IDC_EXPECTED_HEIGHT = 1019;
inline constexpr int IDC_ROUNDS = 1020;
// The columns of the rounds list.
enum RoundColumn { Round, Measured, Edges, Expected, Result, RoundColumnCount };
}  // namespace calibrate

// The field calibration dialog's controls and texts.
extern const zor::platform::DialogTemplate kCalibrateTemplate;

}  // namespace zor::dialogs
