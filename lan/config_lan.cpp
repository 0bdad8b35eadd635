#include "lan/config_lan.h"

#include <QtEndian>

#include <QLineEdit>
#include <array>
#include <cstdint>

#include "app/main_dialog.h"
#include "lan/mac_addr_edit.h"
#include "lan/mac_mask.h"
#include "protocol/zor_protocol.h"
#include "platform/ip_address_ctrl.h"
#include "resources/resource.h"

using namespace lan;

namespace {

using K = platform::Kind;
constexpr int S = platform::IDC_STATIC;

// Labels come after the fields in this template, so every field and every
// repeated "Get"/"Set" names itself.
const platform::ControlTemplate kConfigLanControls[] = {
    {platform::IDOK, K::Button, "Close", 207, 137, 50, 14, platform::DefaultButton},
    {IDC_MAC_GET, K::Button, "Get", 180, 14, 39, 14, platform::None, "Get MAC Address"},
    {IDC_IP_ADDRESS, K::IpAddress, "", 74, 39, 99, 15, platform::None, "IP Address :"},
    {IDC_SUBNET_MASK, K::IpAddress, "", 74, 65, 100, 15, platform::None, "Subnet Mask :"},
    {IDC_GATEWAY, K::IpAddress, "", 74, 91, 100, 15, platform::None, "Gateway IP :"},
    {IDC_MAC_ADDRESS, K::Custom, "", 75, 14, 98, 14, platform::None, "MAC Address :"},
    {IDC_MAC_SET, K::Button, "Set", 225, 14, 39, 14, platform::None, "Set MAC Address"},
    {S, K::Label, "MAC Address :", 25, 17, 48, 8},
    {S, K::Label, "IP Address :", 33, 41, 40, 8},
    {S, K::Label, "Subnet Mask :", 28, 68, 46, 8},
    {S, K::Label, "Gateway IP :", 30, 94, 43, 8},
    {IDC_DHCP_ENABLE, K::CheckBox, "DHCP Enable", 36, 140, 57, 10},
    {IDC_IP_GET, K::Button, "Get", 180, 40, 39, 14, platform::None, "Get IP Address"},
    {IDC_IP_SET, K::Button, "Set", 225, 40, 39, 14, platform::None, "Set IP Address"},
    {IDC_SUBNET_GET, K::Button, "Get", 180, 66, 39, 14, platform::None, "Get Subnet Mask"},
    {IDC_SUBNET_SET, K::Button, "Set", 225, 66, 39, 14, platform::None, "Set Subnet Mask"},
    {IDC_GATEWAY_GET, K::Button, "Get", 180, 92, 39, 14, platform::None, "Get Gateway IP"},
    {IDC_GATEWAY_SET, K::Button, "Set", 225, 92, 39, 14, platform::None, "Set Gateway IP"},
    {IDC_GET_STATUS, K::Button, "Get Status", 100, 137, 39, 14},
    {IDC_SET_STATUS, K::Button, "Set Status", 147, 137, 39, 14},
    {IDC_SHIP_ID, K::Edit, "", 74, 115, 100, 15, platform::None, "SHIP ID :"},
    {S, K::Label, "SHIP ID :", 42, 118, 30, 8},
    {IDC_SHIP_ID_GET, K::Button, "Get", 180, 115, 39, 14, platform::None, "Get SHIP ID"},
};

QString text(std::u16string_view s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

}  // namespace

const platform::DialogTemplate kConfigLanTemplate = {res::IDD_CONFIG_LAN, "CONFIG LAN", 291, 164, 8,
                                                     kConfigLanControls};

CConfigLAN::CConfigLAN(platform::Prompter& prompter, QWidget* parent)
    : platform::Dialog(kConfigLanTemplate, prompter, parent) {
  auto bind = [this](void (CConfigLAN::*handler)()) { return [this, handler] { (this->*handler)(); }; };
  // "DHCP Enable", "Get Status" and "Set Status" do nothing; Close is the
  // ordinary OK, Esc and the close box the ordinary cancel.
  bindCommands({
      {IDC_MAC_GET, bind(&CConfigLAN::OnGetMACAddress)},
      {IDC_MAC_SET, bind(&CConfigLAN::OnSetMACAddress)},
      {IDC_IP_GET, bind(&CConfigLAN::OnGetIPAddress)},
      {IDC_IP_SET, bind(&CConfigLAN::OnSetIPAddress)},
      {IDC_SUBNET_GET, bind(&CConfigLAN::OnGetSubnetMask)},
      {IDC_SUBNET_SET, bind(&CConfigLAN::OnSetSubnetMask)},
      {IDC_GATEWAY_GET, bind(&CConfigLAN::OnGetGateway)},
      {IDC_GATEWAY_SET, bind(&CConfigLAN::OnSetGateway)},
      {IDC_SHIP_ID_GET, bind(&CConfigLAN::OnGetShipID)},
  });
}

CConfigLAN::~CConfigLAN() = default;

QWidget* CConfigLAN::createCustomControl(const platform::ControlTemplate& t) {
  if (t.id != IDC_MAC_ADDRESS) return nullptr;
  m_editMAC = new zor::CMACAddrEdit(this);
  return m_editMAC;
}

bool CConfigLAN::OnInitDialog() {
  m_ipAddress = item<platform::IpAddressCtrl>(IDC_IP_ADDRESS);
  m_ipSubnetMask = item<platform::IpAddressCtrl>(IDC_SUBNET_MASK);
  m_ipGateway = item<platform::IpAddressCtrl>(IDC_GATEWAY);
  for (auto* address : {m_ipAddress, m_ipSubnetMask, m_ipGateway}) {
    address->setAccessibleNames(address->accessibleName());
  }
  platform::Dialog::OnInitDialog();
  m_editMAC->setDefaultText();
  return true;
}

void CConfigLAN::DoDataExchange(platform::DataExchange& dx) { dx.text(IDC_SHIP_ID, m_strShipID); }

void CConfigLAN::Warn(const QString& message) {
  prompter().showMessage(this, message, platform::applicationTitle(), platform::Prompter::Icon::Warning);
}

bool CConfigLAN::Read(int statusCode, std::span<std::uint8_t> block, const QString& what) {
  m_pMainDlg->EnsureConnected();
  const std::int32_t result =
      m_pMainDlg->QueryStatus(statusCode, block.data(), static_cast<std::int32_t>(block.size()));
  m_pMainDlg->pacer().sleep(kQueryPause);
  // A block the controller did not fill is not a value: keep what is shown.
  if (result == 0) return true;
  Warn(QStringLiteral("The %1 could not be read from the controller.").arg(what));
  return false;
}

// ---- MAC address ------------------------------------------------------------

void CConfigLAN::OnGetMACAddress() {
  std::array<std::uint8_t, 6> mac{};
  if (!Read(zor::CMD_GET_MAC_ADDRESS, mac, QStringLiteral("MAC address"))) return;
  m_editMAC->setText(text(zor::mac::formatMacAddress(mac)));
}

void CConfigLAN::OnSetMACAddress() {
  // A partial text would be padded with zeros and could leave the controller
  // with an address nobody meant to give it.
  if (!zor::mac::isCompleteMacAddress(m_editMAC->text().toStdU16String())) {
    Warn(QStringLiteral("The MAC address is incomplete. Enter all six groups of two hexadecimal "
                        "digits, for example 00:1A:2B:3C:4D:5E. Nothing was sent."));
    m_editMAC->setFocus(Qt::OtherFocusReason);
    m_editMAC->setCursorPosition(static_cast<int>(m_editMAC->text().size()));
    return;
  }
  std::array<std::uint8_t, 6> mac{};
  m_editMAC->GetMACAddress(mac);
  m_pMainDlg->SendText(zor::CMD_SET_MAC_ADDRESS, text(zor::mac::formatMacAddress(mac)));
  m_pMainDlg->pacer().sleep(kCommitPause);
}

// ---- IP address, subnet mask, gateway -----------------------------------------

void CConfigLAN::GetAddress(const AddressRow& row) {
  std::array<std::uint8_t, 4> octets{};
  if (!Read(row.getCode, octets, QString::fromLatin1(row.what))) return;
  row.control->setText(QString::asprintf("%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]));
}

void CConfigLAN::SetAddress(const AddressRow& row) {
  // A blank field would go out as 0 and could make the controller unreachable.
  if (!row.control->isComplete()) {
    Warn(QStringLiteral("The %1 is incomplete. Fill in all four fields before setting it. "
                        "Nothing was sent.")
             .arg(QString::fromLatin1(row.what)));
    for (int i = 0; i < platform::IpAddressCtrl::kFieldCount; ++i) {
      if (QLineEdit* field = row.control->field(i); field->text().isEmpty()) {
        field->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
    return;
  }
  const std::array<std::uint8_t, 4> octets = row.control->address();
  // The controller takes the address as hexadecimal octets: c0.a8.01.0a.
  m_pMainDlg->SendText(row.setCode, QString::asprintf("%02x.%02x.%02x.%02x", octets[0], octets[1],
                                                      octets[2], octets[3]));
  m_pMainDlg->pacer().sleep(kCommitPause);
}

void CConfigLAN::OnGetIPAddress() {
  GetAddress({m_ipAddress, zor::CMD_GET_IP_ADDRESS, zor::CMD_SET_IP_ADDRESS, "IP address"});
}
void CConfigLAN::OnSetIPAddress() {
  SetAddress({m_ipAddress, zor::CMD_GET_IP_ADDRESS, zor::CMD_SET_IP_ADDRESS, "IP address"});
}
void CConfigLAN::OnGetSubnetMask() {
  GetAddress({m_ipSubnetMask, zor::CMD_GET_SUBNET_MASK, zor::CMD_SET_SUBNET_MASK, "subnet mask"});
}
void CConfigLAN::OnSetSubnetMask() {
  SetAddress({m_ipSubnetMask, zor::CMD_GET_SUBNET_MASK, zor::CMD_SET_SUBNET_MASK, "subnet mask"});
}
void CConfigLAN::OnGetGateway() {
  GetAddress({m_ipGateway, zor::CMD_GET_GATEWAY, zor::CMD_SET_GATEWAY, "gateway address"});
}
void CConfigLAN::OnSetGateway() {
  SetAddress({m_ipGateway, zor::CMD_GET_GATEWAY, zor::CMD_SET_GATEWAY, "gateway address"});
}

// ---- SHIP ID --------------------------------------------------------------------

void CConfigLAN::OnGetShipID() {
  std::array<std::uint8_t, 4> block{};
  if (!Read(zor::CMD_GET_SHIP_ID, block, QStringLiteral("SHIP ID"))) return;
  const std::uint32_t id = qFromLittleEndian<std::uint32_t>(block.data());
  m_strShipID = QString::asprintf("%08x", id);
  UpdateData(false);
}

// ---- opened from the main panel ----------------------------------------------

// One use, nothing kept: no password and no connection check on opening.
void CZORSystemMaintenanceDlg::OpenLanConfig() {
  CConfigLAN dialog(prompter(), this);
  dialog.m_pMainDlg = this;
  (void)dialog.DoModal();
}
