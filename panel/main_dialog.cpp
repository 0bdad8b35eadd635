#include "panel/main_dialog.h"

#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "dialogs/about_dialog.h"
#include "dialogs/outcome_view.h"
#include "dialogs/service_log_dialog.h"
#include "dialogs/system_chooser.h"
#include "platform/combo_box.h"
#include "platform/up_down.h"
#include "resources/family_layout.h"
#include "resources/resource.h"
#include "resources/templates.h"

namespace zor::panel {

using namespace zor::resources::panel;
using zor::dialogs::qstr;

QString BuildDate() { return QStringLiteral(__DATE__); }

CZORSystemMaintenanceDlg::CZORSystemMaintenanceDlg(Services services, QWidget* parent)
    : zor::platform::Dialog(zor::resources::kMainPanelTemplate, services.prompter, parent),
      m_hIcon(QStringLiteral(":/icons/zor-maintenance.png")),
      services_(std::move(services)),
      service_(m_link, services_.pacer, *this),
      serviceLog_("panel", service_, services_.serviceLog, [this](const zor::service::Outcome& why) {
        prompter().showMessage(this,
                               tr("The service log could not be written: %1.\nOperations go on, but are missing "
                                  "from the log.")
                                   .arg(zor::service::ToQString(why.message)),
                               zor::platform::applicationTitle(), zor::platform::Prompter::Icon::Warning);
      }) {
  service_.setObserver(&serviceLog_);
  bindHandlers();
}

// Each button of the panel to its handler.
void CZORSystemMaintenanceDlg::bindHandlers() {
  auto bind = [this](void (CZORSystemMaintenanceDlg::*handler)()) { return [this, handler] { (this->*handler)(); }; };
  bindCommands({
      {IDC_SET_MIN, bind(&CZORSystemMaintenanceDlg::OnSetMinCurrent)},
      {IDC_SET_20, bind(&CZORSystemMaintenanceDlg::OnSet20PercentCurrent)},
      {IDC_SET_MAX, bind(&CZORSystemMaintenanceDlg::OnSetMaxCurrent)},
      {IDC_GET_CURRENTS, bind(&CZORSystemMaintenanceDlg::OnGetCurrents)},
      {IDC_INIT_POWER_BOARD, bind(&CZORSystemMaintenanceDlg::OnInitPowerBoard)},
      {IDC_LENS_SET, bind(&CZORSystemMaintenanceDlg::OnSetLens)},
      {IDC_SERIAL_SET, bind(&CZORSystemMaintenanceDlg::OnSetSerialNumber)},
      {IDC_RESET_SERIAL, bind(&CZORSystemMaintenanceDlg::OnResetSerial)},
      {IDC_MODEL_SET, bind(&CZORSystemMaintenanceDlg::OnSetModelName)},
      {IDC_CTRLR_MODEL_SET, bind(&CZORSystemMaintenanceDlg::OnSetControllerModel)},
      {IDC_CTRLR_MODEL_GET, bind(&CZORSystemMaintenanceDlg::OnGetControllerModel)},

      {IDC_DISTORTION_GET, bind(&CZORSystemMaintenanceDlg::OnGetDistortion)},
      {IDC_DISTORTION_SET, bind(&CZORSystemMaintenanceDlg::OnSetDistortion)},
      {IDC_SCALE_GET, bind(&CZORSystemMaintenanceDlg::OnGetScale)},
      {IDC_SCALE_SET, bind(&CZORSystemMaintenanceDlg::OnSetScale)},
      {IDC_MARK_ORIGINAL_SQUARE, bind(&CZORSystemMaintenanceDlg::OnMarkOriginalSquare)},
      {IDC_MARK_CORRECTED_SQUARE, bind(&CZORSystemMaintenanceDlg::OnMarkCorrectedSquare)},
      {IDC_MARK_MAX_FIELD, bind(&CZORSystemMaintenanceDlg::OnMarkMaxField)},
      {IDC_MOVE, bind(&CZORSystemMaintenanceDlg::OnMoveTo)},
      {IDC_AIM_GET, bind(&CZORSystemMaintenanceDlg::OnAimingPointNothing)},
      {IDC_AIM_SET, bind(&CZORSystemMaintenanceDlg::OnAimingPointNothing)},
      // IDC_CENTER_GET and IDC_CENTER_SET have no handler.

      {IDC_AIMING_ALIGNMENT, bind(&CZORSystemMaintenanceDlg::OpenAimingAlignment)},
      {IDC_ADJUST_DISTORTION, bind(&CZORSystemMaintenanceDlg::OpenDistortionAdjustment)},
      {IDC_ADJUST_CENTER, bind(&CZORSystemMaintenanceDlg::OpenCenterAdjustment)},

      {IDC_JUMP_DELAY_SET, bind(&CZORSystemMaintenanceDlg::OnSetJumpDelay)},
      {IDC_X_MULTIPLIER_SET, bind(&CZORSystemMaintenanceDlg::OnSetXMultiplier)},
      {IDC_Y_MULTIPLIER_SET, bind(&CZORSystemMaintenanceDlg::OnSetYMultiplier)},
      {IDC_RC_JD_SET, bind(&CZORSystemMaintenanceDlg::OnSetRcJumpDelay)},
      {IDC_TEST_POWER_ON, bind(&CZORSystemMaintenanceDlg::OnTestPowerOn)},
      {IDC_TEST_POWER_OFF, bind(&CZORSystemMaintenanceDlg::OnTestPowerOff)},
      {IDC_SHUTTER_OPEN, bind(&CZORSystemMaintenanceDlg::OnShutterOpen)},
      {IDC_SHUTTER_CLOSE, bind(&CZORSystemMaintenanceDlg::OnShutterClose)},
      {IDC_AIMING, bind(&CZORSystemMaintenanceDlg::OnAiming)},
      {IDC_SHOW_VERSION, bind(&CZORSystemMaintenanceDlg::OnShowVersion)},

      {IDC_GET_WORK_TIME, bind(&CZORSystemMaintenanceDlg::ReadWorkingTime)},
      {IDC_INIT_WORK_TIME, bind(&CZORSystemMaintenanceDlg::InitWorkingTime)},
      {IDC_MARKER_TIME, bind(&CZORSystemMaintenanceDlg::ShowMarkingTime)},

      {IDC_GET_INFO, bind(&CZORSystemMaintenanceDlg::ConnectToSystem)},
      {IDC_CONFIG_IP, bind(&CZORSystemMaintenanceDlg::OpenLanConfig)},
  });
}

CZORSystemMaintenanceDlg::~CZORSystemMaintenanceDlg() = default;

bool CZORSystemMaintenanceDlg::OnInitDialog() {
  auto* lens = item<zor::platform::ComboBox>(IDC_LENS);
  for (const char* preset : zor::resources::kLensPresets) lens->addItem(QString::fromUtf8(preset));
  auto* model = item<zor::platform::ComboBox>(IDC_CTRLR_MODEL);
  for (std::u16string_view code : zor::service::kControllerModelCodes) model->addItem(qstr(code));
  model->setCurrentIndex(-1);
  lens->setCurrentIndex(-1);
  zor::platform::Dialog::OnInitDialog();

  if (const QString about = zor::resources::LoadString(zor::resources::IDS_ABOUTBOX); !about.isEmpty()) {
    systemMenu()->addSeparator();
    appendSystemMenuItem(zor::resources::IDM_ABOUTBOX, about);
  }
  systemMenu()->addSeparator();
  appendSystemMenuItem(zor::resources::IDM_BACKUP, tr("&Back Up Settings..."));
  appendSystemMenuItem(zor::resources::IDM_RESTORE, tr("Compare/&Restore Settings..."));
  appendSystemMenuItem(zor::resources::IDM_SERVICE_LOG, tr("Service &Log..."));
  appendSystemMenuItem(zor::resources::IDM_CALIBRATE, tr("Calibrate &Field..."));
  appendSystemMenuItem(zor::resources::IDM_REPORT, tr("Service Re&port..."));
  setWindowIcon(m_hIcon);
  SetDlgItemText(IDC_BUILD, tr("Build : %1").arg(BuildDate()));

  m_link.clearEntryPoints();

  auto* pulse = item<zor::platform::UpDown>(IDC_PULSE_SPIN);
  pulse->setRange(zor::service::kPulseMin, zor::service::kPulseMax);
  pulse->setAccel({{1000, 10}});

  lens->setCurSel(m_nLensIndex);

  LoadDeviceLink();
  // The first connect says nothing when no system answers.
  service_.connect();
  return true;
}

void CZORSystemMaintenanceDlg::LoadDeviceLink() {
  if (!services_.loadDeviceLink(m_link)) {
    m_link.clearEntryPoints();
    prompter().showMessage(this, tr("No ZORComm.DLL found"), zor::platform::applicationTitle(),
                           zor::platform::Prompter::Icon::Critical);
  }
}

void CZORSystemMaintenanceDlg::DoDataExchange(zor::platform::DataExchange& dx) {
  dx.text(IDC_WORKING, m_strWorking);
  ExchangeMoveTarget(dx);
  dx.number(IDC_PULSE, m_nPulse);
}

void CZORSystemMaintenanceDlg::ExchangeMoveTarget(zor::platform::DataExchange& dx) {
  dx.number(IDC_MOVE_X, m_nMoveX, 0, zor::service::kMoveFieldMax);
  dx.number(IDC_MOVE_Y, m_nMoveY, 0, zor::service::kMoveFieldMax);
}

void CZORSystemMaintenanceDlg::OnSysCommand(int id) {
  if ((id & 0xFFF0) == zor::resources::IDM_ABOUTBOX) {
    zor::dialogs::AboutDialog about(prompter(), m_hIcon, this);
    about.DoModal();
  } else if ((id & 0xFFF0) == zor::resources::IDM_BACKUP) {
    OnBackUpSettings();
  } else if ((id & 0xFFF0) == zor::resources::IDM_RESTORE) {
    OnCompareRestoreSettings();
  } else if ((id & 0xFFF0) == zor::resources::IDM_SERVICE_LOG) {
    ShowServiceLog();
  } else if ((id & 0xFFF0) == zor::resources::IDM_CALIBRATE) {
    OnCalibrateField();
  } else if ((id & 0xFFF0) == zor::resources::IDM_REPORT) {
    OnServiceReport();
  } else {
    zor::platform::Dialog::OnSysCommand(id);
  }
}

void CZORSystemMaintenanceDlg::ShowServiceLog() {
  zor::dialogs::ServiceLogDialog dialog(zor::service::ReadServiceLog(serviceLog_.path()), this);
  prompter().runModal(dialog);
}

QPoint CZORSystemMaintenanceDlg::MinimizedIconOrigin(QSize client, QSize icon) {
  return {(client.width() - icon.width() + 1) / 2, (client.height() - icon.height() + 1) / 2};
}

void CZORSystemMaintenanceDlg::paintEvent(QPaintEvent* event) {
  if (!isMinimized()) {
    zor::platform::Dialog::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
  const QSize icon(extent, extent);
  painter.drawPixmap(QRect(MinimizedIconOrigin(size(), icon), icon), m_hIcon.pixmap(icon));
}

// ---- the connection -----------------------------------------------------------

void CZORSystemMaintenanceDlg::ConnectToSystem() { service_.connect(); }

void CZORSystemMaintenanceDlg::notConnected() {
  prompter().showMessage(this, qstr(zor::link::kNotConnectedMessage), zor::platform::applicationTitle(),
                         zor::platform::Prompter::Icon::Warning);
}

void CZORSystemMaintenanceDlg::identified(const zor::service::Identity& identity) {
  zor::panel::ShowIdentity(identity, *this);
}

std::optional<std::size_t> CZORSystemMaintenanceDlg::chooseSystem(std::span<const zor::link::FoundSystem> systems,
                                                                  std::optional<std::size_t> addressed) {
  zor::dialogs::SystemChooser chooser(systems, addressed, this);
  prompter().runModal(chooser);
  return chooser.chosen();
}

// ---- what the identity refresh does to the panel ----------------------------

void CZORSystemMaintenanceDlg::setControlEnabled(int id, bool enabled) { EnableDlgItem(id, enabled); }

void CZORSystemMaintenanceDlg::setControlText(int id, const std::u16string& text) {
  SetDlgItemText(id, QString::fromStdU16String(text));
}

void CZORSystemMaintenanceDlg::showFamilyPicture(int bitmapId) {
  SetPicture(IDC_FAMILY_PICTURE, QPixmap(QStringLiteral(":/pictures/family-%1.bmp").arg(bitmapId)));
}

void CZORSystemMaintenanceDlg::setLensIndex(int index) { m_nLensIndex = index; }

void CZORSystemMaintenanceDlg::rewriteBoundFields() { UpdateData(false); }

void CZORSystemMaintenanceDlg::showMessage(const std::u16string& text) {
  prompter().showMessage(this, QString::fromStdU16String(text), zor::platform::applicationTitle(),
                         zor::platform::Prompter::Icon::Information);
}

}  // namespace zor::panel
