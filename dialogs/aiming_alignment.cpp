#include "dialogs/aiming_alignment.h"

#include <QLabel>
#include <QPushButton>

#include "app/main_dialog.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"

namespace {

using K = platform::Kind;

const platform::ControlTemplate kAimingControls[] = {
    {aiming::IDC_NEXT, K::Button, "Next", 155, 65, 50, 14, platform::DefaultButton},
    {platform::IDCANCEL, K::Button, "Cancel", 155, 85, 50, 14},
    {aiming::IDC_UP, K::Button, "UP", 51, 7, 50, 14},
    {aiming::IDC_LEFT, K::Button, "LEFT", 7, 35, 50, 14},
    {aiming::IDC_RIGHT, K::Button, "RIGHT", 91, 35, 50, 14},
    {aiming::IDC_DOWN, K::Button, "DOWN", 51, 62, 50, 14},
    {aiming::IDC_POINT, K::Label, "CENTER OF TOP LEFT", 43, 91, 71, 8},
};

const platform::DialogTemplate kAimingTemplate = {res::IDD_AIMING_DIODE_ALIGNMENT, "Aiming Diode Alignment", 212,
                                                  106, 8, kAimingControls};

// The controller needs this long to store the alignment before the mode ends.
constexpr int kAfterSave = 500;

}  // namespace

AimingDiodeAlignmentDlg::AimingDiodeAlignmentDlg(platform::Prompter& prompter, QWidget* parent)
    : platform::Dialog(kAimingTemplate, prompter, parent) {
  bindCommands({
      {aiming::IDC_UP, [this] { Jog(zor::CMD_JOG_UP); }},
      {aiming::IDC_LEFT, [this] { Jog(zor::CMD_JOG_LEFT); }},
      {aiming::IDC_RIGHT, [this] { Jog(zor::CMD_JOG_RIGHT); }},
      {aiming::IDC_DOWN, [this] { Jog(zor::CMD_JOG_DOWN); }},
      {aiming::IDC_NEXT, [this] { OnNext(); }},
  });
}

// Only attaches the two controls whose texts change; no values are exchanged.
void AimingDiodeAlignmentDlg::DoDataExchange(platform::DataExchange&) {
  if (!m_wndPointLabel) m_wndPointLabel = item<QLabel>(aiming::IDC_POINT);
  if (!m_btnNext) m_btnNext = item<QPushButton>(aiming::IDC_NEXT);
}

// The same nudges at both points; the controller keeps the position.
void AimingDiodeAlignmentDlg::Jog(int code) { m_pMainDlg->SendCommand(code, 0); }

void AimingDiodeAlignmentDlg::OnNext() {
  if (m_nStep == 0) {
    m_pMainDlg->SendCommand(zor::CMD_AIM_ALIGN_NEXT_POINT, 0);
    m_wndPointLabel->setText(QStringLiteral("CENTER OF RIGHT BOTTOM"));
    m_btnNext->setText(QStringLiteral("Save"));
    m_nStep = 1;
    return;
  }
  m_pMainDlg->SendCommand(zor::CMD_AIM_ALIGN_SAVE, 0);
  m_pMainDlg->pacer().sleep(kAfterSave);
  EndDialog(platform::IDOK);
  m_pMainDlg->SendCommand(zor::CMD_ADJUST_END, 0);
}

// Cancel, Esc and the close box, at either point: the controller leaves the
// alignment mode without storing.
void AimingDiodeAlignmentDlg::OnCancel() {
  // The user asked to leave: the dialog closes even if the end could not be sent.
  struct Close {
    AimingDiodeAlignmentDlg& dialog;
    ~Close() { dialog.EndDialog(platform::IDCANCEL); }
  } close{*this};
  m_pMainDlg->SendCommand(zor::CMD_ADJUST_END, 0);
}

// The dialog sends its own closing command on every way out, so the result
// needs no look.
void CZORSystemMaintenanceDlg::OpenAimingAlignment() {
  SendCommand(zor::CMD_AIM_ALIGN_BEGIN, 0);
  AimingDiodeAlignmentDlg dialog(prompter(), this);
  dialog.m_pMainDlg = this;
  dialog.DoModal();
}
