#include "dialogs/aiming_alignment.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/outcome_view.h"
#include "resources/resource.h"

namespace zor::dialogs {

namespace {

using K = zor::platform::Kind;

const zor::platform::ControlTemplate kAimingControls[] = {
    {aiming::IDC_NEXT, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "Next"), 155, 65, 50, 14,
     zor::platform::DefaultButton},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "Cancel"), 155, 85, 50, 14},
    {aiming::IDC_UP, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "UP"), 51, 7, 50, 14},
    {aiming::IDC_LEFT, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "LEFT"), 7, 35, 50, 14},
    {aiming::IDC_RIGHT, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "RIGHT"), 91, 35, 50, 14},
    {aiming::IDC_DOWN, K::Button, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "DOWN"), 51, 62, 50, 14},
    {aiming::IDC_POINT, K::Label, QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "CENTER OF TOP LEFT"), 43, 91, 71, 8},
};

using zor::service::Direction;

}  // namespace

const zor::platform::DialogTemplate kAimingTemplate = {
    zor::resources::IDD_AIMING_DIODE_ALIGNMENT,
    QT_TRANSLATE_NOOP("AimingAlignmentTemplate", "Aiming Diode Alignment"),
    212,
    106,
    8,
    kAimingControls,
    "AimingAlignmentTemplate"};

AimingAlignment::AimingAlignment(zor::service::AdjustmentSession& adjustment, zor::platform::Prompter& prompter,
                                 QWidget* parent)
    : zor::platform::Dialog(kAimingTemplate, prompter, parent), m_adjustment(adjustment) {
  bindCommands({
      {aiming::IDC_UP, [this] { Jog(Direction::Up); }},
      {aiming::IDC_LEFT, [this] { Jog(Direction::Left); }},
      {aiming::IDC_RIGHT, [this] { Jog(Direction::Right); }},
      {aiming::IDC_DOWN, [this] { Jog(Direction::Down); }},
      {aiming::IDC_NEXT, [this] { OnNext(); }},
  });
}

// Only attaches the two controls whose texts change; no values are exchanged.
void AimingAlignment::DoDataExchange(zor::platform::DataExchange&) {
  if (!m_wndPointLabel) m_wndPointLabel = item<QLabel>(aiming::IDC_POINT);
  if (!m_btnNext) m_btnNext = item<QPushButton>(aiming::IDC_NEXT);
}

// The same nudges at both points; the controller keeps the position.
void AimingAlignment::Jog(Direction direction) { zor::dialogs::ShowOutcome(*this, m_adjustment.jog(direction)); }

// At the first point Next moves on to the second; there it saves, and the
// controller leaves the alignment mode. A save that did not go through keeps
// the dialog open, to save again or cancel; once the end of the mode has
// reached the device link the dialog closes, whatever the link said.
void AimingAlignment::OnNext() {
  if (m_nStep == 0) {
    if (!zor::dialogs::ShowOutcome(*this, m_adjustment.nextPoint())) return;
    m_wndPointLabel->setText(tr("CENTER OF RIGHT BOTTOM"));
    m_btnNext->setText(tr("Save"));
    m_nStep = 1;
    return;
  }
  zor::dialogs::ShowOutcome(*this, m_adjustment.save());
  if (m_adjustment.ended()) EndDialog(zor::platform::IDOK);
}

// Cancel, Esc and the close box, at either point: the controller leaves the
// alignment mode without storing. The dialog closes even if that could not be
// sent: the user asked to leave.
void AimingAlignment::OnCancel() {
  zor::dialogs::ShowOutcome(*this, m_adjustment.cancel());
  EndDialog(zor::platform::IDCANCEL);
}

}  // namespace zor::dialogs
