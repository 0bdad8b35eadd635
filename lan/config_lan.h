#pragma once
// "CONFIG LAN": reads and sets the controller's MAC address, IP address,
// subnet mask and gateway, and reads its ship identifier. Everything goes
// through the main panel's channel; the dialog keeps nothing once closed.

#include <QString>

#include "platform/dialog.h"
#include "service/maintenance.h"

namespace zor::platform {
class IpAddressCtrl;
}

namespace zor::lan {

class MacAddrEdit;

inline constexpr int IDC_MAC_GET = 1015;
inline constexpr int IDC_IP_ADDRESS = 1016;
inline constexpr int IDC_SUBNET_MASK = 1017;
inline constexpr int IDC_GATEWAY = 1018;
inline constexpr int IDC_MAC_ADDRESS = 1019;
inline constexpr int IDC_MAC_SET = 1020;
inline constexpr int IDC_DHCP_ENABLE = 1021;
inline constexpr int IDC_IP_GET = 1022;
inline constexpr int IDC_IP_SET = 1023;
inline constexpr int IDC_SUBNET_GET = 1024;
inline constexpr int IDC_SUBNET_SET = 1025;
inline constexpr int IDC_GATEWAY_GET = 1026;
inline constexpr int IDC_GATEWAY_SET = 1027;
inline constexpr int IDC_GET_STATUS = 1028;
inline constexpr int IDC_SET_STATUS = 1029;
inline constexpr int IDC_SHIP_ID = 1030;
inline constexpr int IDC_SHIP_ID_GET = 1031;

class ConfigLan : public platform::Dialog {
  Q_OBJECT
 public:
  // Every exchange goes through the service, the main panel's.
  ConfigLan(zor::service::Maintenance& service, platform::Prompter& prompter, QWidget* parent = nullptr);
  ~ConfigLan() override;

  zor::lan::MacAddrEdit* m_editMAC = nullptr;         // control 1019, owned by the dialog
  platform::IpAddressCtrl* m_ipAddress = nullptr;     // 1016
  platform::IpAddressCtrl* m_ipSubnetMask = nullptr;  // 1017
  platform::IpAddressCtrl* m_ipGateway = nullptr;     // 1018
  QString m_strShipID;                                // edit 1030

  void OnGetMACAddress();
  void OnSetMACAddress();
  void OnGetIPAddress();
  void OnSetIPAddress();
  void OnGetSubnetMask();
  void OnSetSubnetMask();
  void OnGetGateway();
  void OnSetGateway();
  void OnGetShipID();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(platform::DataExchange& dx) override;
  QWidget* createCustomControl(const platform::ControlTemplate& t) override;

 private:
  // One of the three address rows: its control and which address it holds.
  struct AddressRow {
    platform::IpAddressCtrl* control;
    zor::service::AddressKind kind;
  };
  void GetAddress(const AddressRow& row);
  void SetAddress(const AddressRow& row);

  zor::service::Maintenance& m_service;
};

extern const platform::DialogTemplate kConfigLanTemplate;  // 133

}  // namespace zor::lan
