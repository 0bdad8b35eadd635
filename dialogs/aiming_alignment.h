#pragma once
// The aiming diode's alignment at two reference points: jog the pointer onto
// the centre of the top left, Next, jog it onto the centre of the right
// bottom, Save.

#include "platform/dialog.h"
#include "service/adjustment.h"

class QLabel;
class QPushButton;

namespace zor::dialogs {

class AimingAlignment : public zor::platform::Dialog {
  Q_OBJECT
 public:
  // Every command goes through the adjustment, which the opener began.
  AimingAlignment(zor::service::AdjustmentSession& adjustment, zor::platform::Prompter& prompter,
                  QWidget* parent = nullptr);

  int m_nStep = 0;                    // 0: top left, 1: right bottom
  QLabel* m_wndPointLabel = nullptr;  // names the current point
  QPushButton* m_btnNext = nullptr;   // "Next", then "Save"

 protected:
  void DoDataExchange(zor::platform::DataExchange& dx) override;
  void OnCancel() override;

 private:
  void Jog(zor::service::Direction direction);
  void OnNext();

  zor::service::AdjustmentSession& m_adjustment;
};

namespace aiming {
inline constexpr int IDC_UP = 1056;
inline constexpr int IDC_LEFT = 1057;
inline constexpr int IDC_RIGHT = 1058;
inline constexpr int IDC_DOWN = 1059;
inline constexpr int IDC_POINT = 1072;
inline constexpr int IDC_NEXT = 1073;
}  // namespace aiming

// The aiming diode alignment dialog's controls and texts.
extern const zor::platform::DialogTemplate kAimingTemplate;

}  // namespace zor::dialogs
