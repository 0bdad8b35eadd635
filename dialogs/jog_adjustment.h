#pragma once
// The jog dialog that adjusts the distortion or the centering correction: four
// arrow buttons that nudge the correction, Save and Cancel. The opener starts
// the adjustment and stores it; the dialog only jogs and abandons. Both go
// through the one adjustment the opener began and hands to the dialog.

#include <QString>

#include "platform/dialog.h"
#include "service/adjustment.h"

namespace zor::dialogs {

class JogAdjustment : public zor::platform::Dialog {
  Q_OBJECT
 public:
  // The title names what is adjusted.
  JogAdjustment(zor::service::AdjustmentSession& adjustment, const QString& title, zor::platform::Prompter& prompter,
                QWidget* parent = nullptr);

 protected:
  bool OnInitDialog() override;
  void OnCancel() override;

 private:
  void Jog(zor::service::Direction direction);

  zor::service::AdjustmentSession& m_adjustment;
  QString m_strTitle;
};

namespace jog {
inline constexpr int IDC_UP = 1074;
inline constexpr int IDC_LEFT = 1075;
inline constexpr int IDC_RIGHT = 1076;
inline constexpr int IDC_DOWN = 1077;
}  // namespace jog

// The jog adjustment dialog's controls and texts.
extern const zor::platform::DialogTemplate kJogTemplate;

}  // namespace zor::dialogs
