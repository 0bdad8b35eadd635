#pragma once
// The main panel: the one window of the tool. It owns the device link and the
// command channel that every panel and sub-dialog talks through.

#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>

#include "link/channel.h"
#include "link/device_link.h"
#include "link/refresh.h"
#include "platform/dialog.h"
#include "platform/pacer.h"

class CZORSystemMaintenanceDlg : public platform::Dialog,
                                 private zor::ChannelHost,
                                 private zor::PanelSurface {
  Q_OBJECT
 public:
  // What the panel needs from the world outside: the three seams.
  struct Services {
    platform::Pacer& pacer;
    platform::Prompter& prompter;
    // Loads the device link into the given entry points; false when the
    // library could not be loaded.
    std::function<bool(zor::DeviceLink&)> loadDeviceLink;
  };

  explicit CZORSystemMaintenanceDlg(Services services, QWidget* parent = nullptr);
  ~CZORSystemMaintenanceDlg() override;

  // ---- the channel operations, for the panel and its sub-dialogs ----
  void EnsureConnected();
  void SendCommand(int code, int value);
  void SendText(int code, const QString& text);
  std::int32_t QueryStatus(int code, void* buffer, std::int32_t length);
  void ConnectToSystem();
  bool IsConnected() const { return channel_.isConnected(); }
  platform::Pacer& pacer() const { return services_.pacer; }

  // Asks for the service password; true when it matched.
  bool VerifyServicePassword();

  // Where the icon's top-left goes when the minimised window paints it.
  static QPoint MinimizedIconOrigin(QSize client, QSize icon);

  // ---- members other parts use ----
  QIcon m_hIcon;
  std::int32_t m_nLensIndex = 0;
  std::int32_t m_bAiming = 0;
  zor::DeviceLink m_link;  // handle and entry points
  QString m_strWorking;
  std::uint32_t m_nMoveX = 0;
  std::uint32_t m_nMoveY = 0;
  std::int32_t m_nPulse = 0;

  // ---- laser current, identity and model settings ----
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

  // ---- scan-field geometry ----
  void OnGetDistortion();
  void OnSetDistortion();
  void OnGetScale();
  void OnSetScale();
  void OnMarkOriginalSquare();
  void OnMarkCorrectedSquare();
  void OnMarkMaxField();
  void OnMoveTo();
  void OnAimingPointNothing();  // the disabled Get and Set of the aiming group

  // ---- guided dialogs ----
  void OpenAimingAlignment();
  void OpenDistortionAdjustment();
  void OpenCenterAdjustment();

  // ---- delays, test power, shutter and aiming ----
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

  // ---- working time ----
  void ReadWorkingTime();
  void InitWorkingTime();
  void ShowMarkingTime();

  // ---- network ----
  void OpenLanConfig();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(platform::DataExchange& dx) override;
  void OnSysCommand(int id) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void LoadDeviceLink();

  // ChannelHost
  void showNotConnected() override;
  void onConnected() override;
  // PanelSurface
  void setControlEnabled(int id, bool enabled) override;
  void setControlText(int id, const std::u16string& text) override;
  void showFamilyPicture(int bitmapId) override;
  void setLensIndex(int index) override;
  void rewriteBoundFields() override;
  void showMessage(const std::u16string& text) override;

  Services services_;
  zor::CommandChannel channel_;
};

// The build date as the compiler saw it, e.g. "Jul 15 2011".
QString BuildDate();
