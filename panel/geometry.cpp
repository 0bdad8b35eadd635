// The scan-field geometry group of the main panel: distortion and scale
// corrections, the test figures and the move to a point.

#include <QLineEdit>
#include <array>
#include <bit>
#include <cstdint>

#include "app/main_dialog.h"
#include "protocol/zor_protocol.h"
#include "panel/reply_format.h"
#include "resources/resource.h"

using namespace panel;

namespace {

// The controller needs this long to take the X half before the Y half comes.
constexpr int kBetweenHalves = 100;
// ... and this long to take each move coordinate.
constexpr int kAfterMove = 200;

// One value byte is all a move packet carries.
constexpr std::uint32_t kMaxMoveTarget = 255;

const QString kMoveTargetRange =
    QStringLiteral("The Move To X and Y targets must be whole numbers from 0 to 255.");

}  // namespace

void CZORSystemMaintenanceDlg::OnGetDistortion() {
  EnsureConnected();
  std::array<std::uint8_t, 4> reply{};
  if (QueryStatus(zor::CMD_GET_XY_DISTORTION, reply.data(), static_cast<std::int32_t>(reply.size())) == 0) {
    SetDlgItemText(IDC_DISTORTION_X, QString::asprintf("%u", unsigned{qFromLittleEndian<std::uint16_t>(&reply[0])}));
    SetDlgItemText(IDC_DISTORTION_Y, QString::asprintf("%u", unsigned{qFromLittleEndian<std::uint16_t>(&reply[2])}));
  } else {
    SetDlgItemText(IDC_DISTORTION_X, QStringLiteral("ERROR"));
    SetDlgItemText(IDC_DISTORTION_Y, QStringLiteral("ERROR"));
  }
}

void CZORSystemMaintenanceDlg::OnSetDistortion() {
  const QString x = GetDlgItemText(IDC_DISTORTION_X);
  const QString y = GetDlgItemText(IDC_DISTORTION_Y);
  SendText(zor::CMD_SET_X_DISTORTION, x);
  pacer().sleep(kBetweenHalves);
  SendText(zor::CMD_SET_Y_DISTORTION, y);
}

void CZORSystemMaintenanceDlg::OnGetScale() {
  // Both numbers read 0.0 when the library leaves the block alone.
  static_assert(std::bit_cast<std::uint32_t>(0.0f) == 0);
  std::array<std::uint8_t, 8> reply{};
  if (QueryStatus(zor::CMD_GET_XY_SCALE, reply.data(), static_cast<std::int32_t>(reply.size())) == 0) {
    SetDlgItemText(IDC_SCALE_X, FixedPoint5(&reply[0]));
    SetDlgItemText(IDC_SCALE_Y, FixedPoint5(&reply[4]));
  } else {
    // The X text is the system's own, misspelling included.
    SetDlgItemText(IDC_SCALE_X, QStringLiteral("ERRPR"));
    SetDlgItemText(IDC_SCALE_Y, QStringLiteral("ERROR"));
  }
  UpdateData(false);
}

void CZORSystemMaintenanceDlg::OnSetScale() {
  const QString x = GetDlgItemText(IDC_SCALE_X);
  const QString y = GetDlgItemText(IDC_SCALE_Y);
  SendText(zor::CMD_SET_X_SCALE, x);
  pacer().sleep(kBetweenHalves);
  SendText(zor::CMD_SET_Y_SCALE, y);
}

void CZORSystemMaintenanceDlg::OnMarkOriginalSquare() { SendCommand(zor::CMD_MARK_ORIGINAL_SQUARE, 0); }

void CZORSystemMaintenanceDlg::OnMarkCorrectedSquare() { SendCommand(zor::CMD_MARK_CORRECTED_SQUARE, 0); }

// The controller toggles; the panel keeps no on/off state.
void CZORSystemMaintenanceDlg::OnMarkMaxField() { SendCommand(zor::CMD_MARK_MAX_FIELD, 0); }

void CZORSystemMaintenanceDlg::OnMoveTo() {
  // A rejected field has had its prompt; moving to stale targets would be a
  // move nobody asked for.
  if (!UpdateData(true)) return;
  // A target above one byte would arrive as its low byte: 300 would move to 44.
  const int outOfRange = m_nMoveX > kMaxMoveTarget ? IDC_MOVE_X : m_nMoveY > kMaxMoveTarget ? IDC_MOVE_Y : 0;
  if (outOfRange != 0) {
    prompter().showMessage(this, kMoveTargetRange, platform::applicationTitle(),
                           platform::Prompter::Icon::Warning);
    if (auto* edit = item<QLineEdit>(outOfRange)) {
      edit->setFocus(Qt::OtherFocusReason);
      edit->selectAll();
    }
    return;
  }
  SendCommand(zor::CMD_MOVE_TO_X, static_cast<int>(m_nMoveX));
  pacer().sleep(kAfterMove);
  SendCommand(zor::CMD_MOVE_TO_Y, static_cast<int>(m_nMoveY));
  pacer().sleep(kAfterMove);
}

// The disabled Get and Set of the aiming group: the controller has no such
// read or write.
void CZORSystemMaintenanceDlg::OnAimingPointNothing() {}
