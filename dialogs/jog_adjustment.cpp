#include "dialogs/jog_adjustment.h"

#include "dialogs/outcome_view.h"
#include "resources/resource.h"

namespace zor::dialogs {

namespace {

using K = zor::platform::Kind;

const zor::platform::ControlTemplate kJogControls[] = {
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "Save"), 167, 20, 50, 14,
     zor::platform::DefaultButton},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "Cancel"), 167, 61, 50, 14},
    {jog::IDC_UP, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "UP"), 51, 7, 50, 14},
    {jog::IDC_LEFT, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "LEFT"), 7, 35, 50, 14},
    {jog::IDC_RIGHT, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "RIGHT"), 91, 35, 50, 14},
    {jog::IDC_DOWN, K::Button, QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "DOWN"), 51, 61, 50, 14},
};

}  // namespace

const zor::platform::DialogTemplate kJogTemplate = {zor::resources::IDD_DISTORTION_CORRECTION,
                                                    QT_TRANSLATE_NOOP("JogAdjustmentTemplate", "Distortion Correction"),
                                                    224,
                                                    82,
                                                    8,
                                                    kJogControls,
                                                    "JogAdjustmentTemplate"};

JogAdjustment::JogAdjustment(zor::service::AdjustmentSession& adjustment, const QString& title,
                             zor::platform::Prompter& prompter, QWidget* parent)
    : zor::platform::Dialog(kJogTemplate, prompter, parent), m_adjustment(adjustment), m_strTitle(title) {
  bindCommands({
      {jog::IDC_UP, [this] { Jog(zor::service::Direction::Up); }},
      {jog::IDC_LEFT, [this] { Jog(zor::service::Direction::Left); }},
      {jog::IDC_RIGHT, [this] { Jog(zor::service::Direction::Right); }},
      {jog::IDC_DOWN, [this] { Jog(zor::service::Direction::Down); }},
  });
}

bool JogAdjustment::OnInitDialog() {
  zor::platform::Dialog::OnInitDialog();
  setWindowTitle(m_strTitle);
  return true;
}

// Each press is one nudge; the controller keeps the position.
void JogAdjustment::Jog(zor::service::Direction direction) {
  zor::dialogs::ShowOutcome(*this, m_adjustment.jog(direction));
}

// Cancel, Esc and the close box: the controller drops the adjustment. The
// dialog closes even if that could not be sent: the user asked to leave.
void JogAdjustment::OnCancel() {
  zor::dialogs::ShowOutcome(*this, m_adjustment.cancel());
  EndDialog(zor::platform::IDCANCEL);
}

}  // namespace zor::dialogs
