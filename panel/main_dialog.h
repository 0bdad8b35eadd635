#pragma once
// The main panel: the one window of the tool. It owns the device link and the
// command channel that every panel and sub-dialog talks through. Its handlers
// are all in panel/, one file per group of the panel (named at each group
// below); the sub-dialogs it opens (dialogs/, lan/) get what they use, the
// service or an adjustment, the prompter and their parent, in their
// constructors.

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "link/device_link.h"
#include "link/pacer.h"
#include "panel/identity.h"
#include "platform/dialog.h"
#include "service/maintenance.h"
#include "service/service_log.h"

namespace zor::panel {

class CZORSystemMaintenanceDlg : public zor::platform::Dialog,
                                 private zor::service::Host,
                                 private zor::panel::PanelSurface {
  Q_OBJECT
 public:
  // What the panel needs from the world outside: the three seams.
  struct Services {
    zor::link::Pacer& pacer;
    zor::platform::Prompter& prompter;
    // Loads the device link into the given entry points; false when the
    // library could not be loaded.
    std::function<bool(zor::link::DeviceLink&)> loadDeviceLink;
    // Where every operation that sends is logged.
    std::filesystem::path serviceLog;
  };

  explicit CZORSystemMaintenanceDlg(Services services, QWidget* parent = nullptr);
  ~CZORSystemMaintenanceDlg() override;

  // Every operation on the controller, for the panel and its sub-dialogs.
  zor::service::Maintenance& service() { return service_; }
  // "Get Info": looks for the system again.
  void ConnectToSystem();
  bool IsConnected() const { return service_.isConnected(); }

  // Asks for the service password (service_password.cpp): what was typed when
  // it matched, nothing when the prompt was cancelled or the password was wrong.
  std::optional<QString> VerifyServicePassword();

  // Where the icon's top-left goes when the minimised window paints it.
  static QPoint MinimizedIconOrigin(QSize client, QSize icon);

  // ---- members other parts use ----
  QIcon m_hIcon;
  std::int32_t m_nLensIndex = 0;
  std::int32_t m_bAiming = 0;
  zor::link::DeviceLink m_link;  // handle and entry points
  QString m_strWorking;
  std::uint32_t m_nMoveX = 0;
  std::uint32_t m_nMoveY = 0;
  std::int32_t m_nPulse = 0;

  // ---- laser current, identity and model settings (laser_settings.cpp) ----
  void OnSetMinCurrent();
  void OnSet20PercentCurrent();
  void OnSetMaxCurrent();
  void OnGetCurrents();
  void OnInitPowerBoard();
  void OnSetLens();
  void OnSetSerialNumber();
  void OnResetSerial();
  void OnSetModelName();
  void OnSetControllerModel();
  void OnGetControllerModel();

  // ---- scan-field geometry (geometry.cpp) ----
  void OnGetDistortion();
  void OnSetDistortion();
  void OnGetScale();
  void OnSetScale();
  void OnMarkOriginalSquare();
  void OnMarkCorrectedSquare();
  void OnMarkMaxField();
  void OnMoveTo();
  void OnAimingPointNothing();  // the disabled Get and Set of the aiming group

  // ---- guided dialogs (adjustments.cpp) ----
  void OpenAimingAlignment();
  void OpenDistortionAdjustment();
  void OpenCenterAdjustment();

  // ---- delays, test power, shutter and aiming (delays_power.cpp) ----
  void OnSetJumpDelay();
  void OnSetXMultiplier();
  void OnSetYMultiplier();
  void OnSetRcJumpDelay();
  void OnTestPowerOn();
  void OnTestPowerOff();
  void OnShutterOpen();
  void OnShutterClose();
  void OnAiming();
  void OnShowVersion();

  // ---- working time (working_time.cpp) ----
  void ReadWorkingTime();
  void InitWorkingTime();
  void ShowMarkingTime();

  // ---- network (network.cpp) ----
  void OpenLanConfig();

  // ---- settings snapshots, window menu (settings_transfer.cpp) ----
  void OnBackUpSettings();
  void OnCompareRestoreSettings();
  // The service report since the panel started, as a PDF (window menu).
  void OnServiceReport();

  // ---- field calibration, window menu (field_calibration.cpp) ----
  void OnCalibrateField();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(zor::platform::DataExchange& dx) override;
  void OnSysCommand(int id) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void bindHandlers();
  void LoadDeviceLink();
  void ShowServiceLog();
  // Move To X and Y: the bound fields the move takes.
  void ExchangeMoveTarget(zor::platform::DataExchange& dx);

  // Host
  void notConnected() override;
  void identified(const zor::service::Identity& identity) override;
  std::optional<std::size_t> chooseSystem(std::span<const zor::link::FoundSystem> systems,
                                          std::optional<std::size_t> addressed) override;
  // PanelSurface
  void setControlEnabled(int id, bool enabled) override;
  void setControlText(int id, const std::u16string& text) override;
  void showFamilyPicture(int bitmapId) override;
  void setLensIndex(int index) override;
  void rewriteBoundFields() override;
  void showMessage(const std::u16string& text) override;

  Services services_;
  zor::service::Maintenance service_;
  zor::service::ServiceLog serviceLog_;
  const QDateTime started_ = QDateTime::currentDateTimeUtc();  // what the service report covers
};

// The build date as the compiler saw it, e.g. "Jul 15 2011".
QString BuildDate();

}  // namespace zor::panel
