#include "lan/config_lan.h"

#include <QLineEdit>

#include "dialogs/outcome_view.h"
#include "lan/mac_addr_edit.h"
#include "platform/ip_address_ctrl.h"
#include "platform/utf16.h"
#include "resources/resource.h"
#include "service/format.h"

namespace zor::lan {

using zor::dialogs::qstr;
using zor::service::AddressKind;

namespace {

using K = zor::platform::Kind;
constexpr int S = zor::platform::IDC_STATIC;

// Labels come after the fields in this template, so every field and every
// repeated "Get"/"Set" names itself.
const zor::platform::ControlTemplate kConfigLanControls[] = {
    {zor::platform::IDOK, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Close"), 207, 137, 50, 14,
     zor::platform::DefaultButton},
    {IDC_MAC_GET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get"), 180, 14, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get MAC Address")},
    {IDC_IP_ADDRESS, K::IpAddress, "", 74, 39, 99, 15, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "IP Address :")},
    {IDC_SUBNET_MASK, K::IpAddress, "", 74, 65, 100, 15, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Subnet Mask :")},
    {IDC_GATEWAY, K::IpAddress, "", 74, 91, 100, 15, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Gateway IP :")},
    {IDC_MAC_ADDRESS, K::Custom, "", 75, 14, 98, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "MAC Address :")},
    {IDC_MAC_SET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set"), 225, 14, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set MAC Address")},
    {S, K::Label, QT_TRANSLATE_NOOP("ConfigLanTemplate", "MAC Address :"), 25, 17, 48, 8},
    {S, K::Label, QT_TRANSLATE_NOOP("ConfigLanTemplate", "IP Address :"), 33, 41, 40, 8},
    {S, K::Label, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Subnet Mask :"), 28, 68, 46, 8},
    {S, K::Label, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Gateway IP :"), 30, 94, 43, 8},
    {IDC_DHCP_ENABLE, K::CheckBox, QT_TRANSLATE_NOOP("ConfigLanTemplate", "DHCP Enable"), 36, 140, 57, 10},
    {IDC_IP_GET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get"), 180, 40, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get IP Address")},
    {IDC_IP_SET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set"), 225, 40, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set IP Address")},
    {IDC_SUBNET_GET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get"), 180, 66, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get Subnet Mask")},
    {IDC_SUBNET_SET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set"), 225, 66, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set Subnet Mask")},
    {IDC_GATEWAY_GET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get"), 180, 92, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get Gateway IP")},
    {IDC_GATEWAY_SET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set"), 225, 92, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set Gateway IP")},
    {IDC_GET_STATUS, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get Status"), 100, 137, 39, 14},
    {IDC_SET_STATUS, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Set Status"), 147, 137, 39, 14},
    {IDC_SHIP_ID, K::Edit, "", 74, 115, 100, 15, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "SHIP ID :")},
    {S, K::Label, QT_TRANSLATE_NOOP("ConfigLanTemplate", "SHIP ID :"), 42, 118, 30, 8},
    {IDC_SHIP_ID_GET, K::Button, QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get"), 180, 115, 39, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("ConfigLanTemplate", "Get SHIP ID")},
};

}  // namespace

const zor::platform::DialogTemplate kConfigLanTemplate = {zor::resources::IDD_CONFIG_LAN,
                                                          QT_TRANSLATE_NOOP("ConfigLanTemplate", "CONFIG LAN"),
                                                          291,
                                                          164,
                                                          8,
                                                          kConfigLanControls,
                                                          "ConfigLanTemplate"};

ConfigLan::ConfigLan(zor::service::Maintenance& service, zor::platform::Prompter& prompter, QWidget* parent)
    : zor::platform::Dialog(kConfigLanTemplate, prompter, parent), m_service(service) {
  auto bind = [this](void (ConfigLan::*handler)()) { return [this, handler] { (this->*handler)(); }; };
  // "DHCP Enable", "Get Status" and "Set Status" do nothing; Close is the
  // ordinary OK, Esc and the close box the ordinary cancel.
  bindCommands({
      {IDC_MAC_GET, bind(&ConfigLan::OnGetMACAddress)},
      {IDC_MAC_SET, bind(&ConfigLan::OnSetMACAddress)},
      {IDC_IP_GET, bind(&ConfigLan::OnGetIPAddress)},
      {IDC_IP_SET, bind(&ConfigLan::OnSetIPAddress)},
      {IDC_SUBNET_GET, bind(&ConfigLan::OnGetSubnetMask)},
      {IDC_SUBNET_SET, bind(&ConfigLan::OnSetSubnetMask)},
      {IDC_GATEWAY_GET, bind(&ConfigLan::OnGetGateway)},
      {IDC_GATEWAY_SET, bind(&ConfigLan::OnSetGateway)},
      {IDC_SHIP_ID_GET, bind(&ConfigLan::OnGetShipID)},
  });
}

ConfigLan::~ConfigLan() = default;

QWidget* ConfigLan::createCustomControl(const zor::platform::ControlTemplate& t) {
  if (t.id != IDC_MAC_ADDRESS) return nullptr;
  m_editMAC = new zor::lan::MacAddrEdit(this);
  return m_editMAC;
}

bool ConfigLan::OnInitDialog() {
  m_ipAddress = item<zor::platform::IpAddressCtrl>(IDC_IP_ADDRESS);
  m_ipSubnetMask = item<zor::platform::IpAddressCtrl>(IDC_SUBNET_MASK);
  m_ipGateway = item<zor::platform::IpAddressCtrl>(IDC_GATEWAY);
  for (auto* address : {m_ipAddress, m_ipSubnetMask, m_ipGateway}) {
    address->setAccessibleNames(address->accessibleName());
  }
  zor::platform::Dialog::OnInitDialog();
  m_editMAC->setDefaultText();
  return true;
}

void ConfigLan::DoDataExchange(zor::platform::DataExchange& dx) { dx.text(IDC_SHIP_ID, m_strShipID); }

// ---- MAC address ------------------------------------------------------------

// A read that got no reply keeps what the field shows.
void ConfigLan::OnGetMACAddress() {
  const auto mac = m_service.readMacAddress();
  if (zor::dialogs::ShowOutcome(*this, mac)) m_editMAC->setText(qstr(zor::service::FormatMacAddress(mac.value)));
}

// Reading the address for a Set selects the whole text, whatever the Set's
// outcome; a refused address also gets the focus back.
void ConfigLan::OnSetMACAddress() {
  const auto outcome = m_service.setMacAddress(zor::platform::Utf16View(m_editMAC->text()));
  zor::dialogs::ShowOutcome(*this, outcome);
  if (outcome.status == zor::service::Status::Refused) m_editMAC->setFocus(Qt::OtherFocusReason);
  m_editMAC->selectAll();
}

// ---- IP address, subnet mask, gateway -----------------------------------------

void ConfigLan::GetAddress(const AddressRow& row) {
  const auto address = m_service.readAddress(row.kind);
  if (zor::dialogs::ShowOutcome(*this, address)) row.control->setText(qstr(zor::service::FormatDotted(address.value)));
}

void ConfigLan::SetAddress(const AddressRow& row) {
  const auto address = row.control->isComplete() ? std::optional(row.control->address()) : std::nullopt;
  const auto outcome = m_service.setAddress(row.kind, address);
  zor::dialogs::ShowOutcome(*this, outcome);
  if (outcome.status != zor::service::Status::Refused) return;
  for (int i = 0; i < zor::platform::IpAddressCtrl::kFieldCount; ++i) {
    if (QLineEdit* field = row.control->field(i); field->text().isEmpty()) {
      field->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

void ConfigLan::OnGetIPAddress() { GetAddress({m_ipAddress, AddressKind::Ip}); }
void ConfigLan::OnSetIPAddress() { SetAddress({m_ipAddress, AddressKind::Ip}); }
void ConfigLan::OnGetSubnetMask() { GetAddress({m_ipSubnetMask, AddressKind::SubnetMask}); }
void ConfigLan::OnSetSubnetMask() { SetAddress({m_ipSubnetMask, AddressKind::SubnetMask}); }
void ConfigLan::OnGetGateway() { GetAddress({m_ipGateway, AddressKind::Gateway}); }
void ConfigLan::OnSetGateway() { SetAddress({m_ipGateway, AddressKind::Gateway}); }

// ---- SHIP ID --------------------------------------------------------------------

void ConfigLan::OnGetShipID() {
  const auto id = m_service.readShipId();
  if (!zor::dialogs::ShowOutcome(*this, id)) return;
  m_strShipID = qstr(zor::service::FormatHex8(id.value));
  UpdateData(false);
}

}  // namespace zor::lan
