#include "dialogs/jog_adjustment.h"

#include "app/main_dialog.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"

namespace {

using K = platform::Kind;

const platform::ControlTemplate kJogControls[] = {
    {platform::IDOK, K::Button, "Save", 167, 20, 50, 14, platform::DefaultButton},
    {platform::IDCANCEL, K::Button, "Cancel", 167, 61, 50, 14},
    {jog::IDC_UP, K::Button, "UP", 51, 7, 50, 14},
    {jog::IDC_LEFT, K::Button, "LEFT", 7, 35, 50, 14},
    {jog::IDC_RIGHT, K::Button, "RIGHT", 91, 35, 50, 14},
    {jog::IDC_DOWN, K::Button, "DOWN", 51, 61, 50, 14},
};

const platform::DialogTemplate kJogTemplate = {res::IDD_DISTORTION_CORRECTION, "Distortion Correction", 224, 82,
                                               8, kJogControls};

}  // namespace

DistortionCorrectionDlg::DistortionCorrectionDlg(platform::Prompter& prompter, QWidget* parent)
    : platform::Dialog(kJogTemplate, prompter, parent) {
  bindCommands({
      {jog::IDC_UP, [this] { Jog(zor::CMD_JOG_UP); }},
      {jog::IDC_LEFT, [this] { Jog(zor::CMD_JOG_LEFT); }},
      {jog::IDC_RIGHT, [this] { Jog(zor::CMD_JOG_RIGHT); }},
      {jog::IDC_DOWN, [this] { Jog(zor::CMD_JOG_DOWN); }},
  });
}

bool DistortionCorrectionDlg::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  setWindowTitle(m_strTitle);
  return true;
}

// Each press is one nudge; the controller keeps the position.
void DistortionCorrectionDlg::Jog(int code) { m_pMainDlg->SendCommand(code, 0); }

// Cancel, Esc and the close box: the controller drops the adjustment.
void DistortionCorrectionDlg::OnCancel() {
  // The user asked to leave: the dialog closes even if the end could not be sent.
  struct Close {
    DistortionCorrectionDlg& dialog;
    ~Close() { dialog.EndDialog(platform::IDCANCEL); }
  } close{*this};
  m_pMainDlg->SendCommand(zor::CMD_ADJUST_END, 0);
}

namespace {

// Save closes with OK and the opener stores; Cancel has already ended the
// adjustment, so the opener sends nothing more.
void RunJogAdjustment(CZORSystemMaintenanceDlg& main, int begin, int save, const QString* title) {
  main.SendCommand(begin, 0);
  DistortionCorrectionDlg dialog(main.prompter(), &main);
  dialog.m_pMainDlg = &main;
  if (title) dialog.m_strTitle = *title;
  if (dialog.DoModal() == platform::IDOK) main.SendCommand(save, 0);
}

}  // namespace

void CZORSystemMaintenanceDlg::OpenDistortionAdjustment() {
  RunJogAdjustment(*this, zor::CMD_DISTORTION_ADJUST_BEGIN, zor::CMD_DISTORTION_ADJUST_SAVE, nullptr);
}

void CZORSystemMaintenanceDlg::OpenCenterAdjustment() {
  const QString title = QStringLiteral("Centering Adjustment");
  RunJogAdjustment(*this, zor::CMD_CENTER_ADJUST_BEGIN, zor::CMD_CENTER_ADJUST_SAVE, &title);
}
