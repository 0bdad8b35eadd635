// "CONFIG LAN" opened from the real main panel and driven through its real
// widgets: keys typed into the MAC edit and the address fields, buttons
// clicked. Each case compares the whole transcript of the opening; what each
// operation sends and how it decodes lives with the service layer's tests,
// these show which control feeds which operation and where the outcome lands.
#include "lan/config_lan.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "lan/mac_addr_edit.h"
#include "platform/ip_address_ctrl.h"
#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "service/maintenance.h"
#include "tests/support/panel_harness.h"

namespace zor::lan {

using namespace zor::lan;
using zortest::PanelHarness;
using zortest::Transcript;

namespace {

const std::string kBox = zortest::PanelBox(u"");
const std::string kModal = "modal CONFIG LAN";
const std::string kNotConnected = zortest::kNotConnectedPanelBox;

using Action = std::function<void(ConfigLan&)>;

std::string Hex(int byte) {
  char out[3];
  std::snprintf(out, sizeof out, "%02X", byte & 0xFF);
  return out;
}

// What a Set puts on the wire: each character, the end of text and the
// commit, 100 ms after each, then the dialog's own 100 ms.
std::vector<std::string> SetSequence(const std::string& text, int code) {
  std::vector<std::string> events;
  for (char c : text) {
    events.push_back("send 42 " + Hex(c));
    events.push_back("wait 100");
  }
  events.insert(events.end(), {"send 42 00", "wait 100", "send " + Hex(code) + " 00", "wait 100"});
  return events;
}

Transcript Opening(std::vector<std::vector<std::string>> parts) {
  Transcript t{kModal};
  for (const auto& part : parts) {
    for (const auto& event : part) t.add(event);
  }
  return t;
}

// ---- the user ----------------------------------------------------------------

void Click(ConfigLan& d, int id) { QTest::mouseClick(d.item<QPushButton>(id), Qt::LeftButton); }

// Select all, Delete (which empties the field), then the keys one by one.
void TypeMac(ConfigLan& d, const char* keys) {
  d.m_editMAC->setFocus();
  QTest::keyClick(d.m_editMAC, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(d.m_editMAC, Qt::Key_Delete);
  QTest::keyClicks(d.m_editMAC, QString::fromLatin1(keys));
}

// Keys go wherever the focus is, so the dots move between the four fields.
void TypeAddress(ConfigLan& d, int id, const char* keys) {
  d.item<platform::IpAddressCtrl>(id)->field(0)->setFocus();
  for (const char* k = keys; *k != '\0'; ++k) QTest::keyClick(QApplication::focusWidget(), *k);
}

void ClearField(ConfigLan& d, int id, int field) {
  QLineEdit* f = d.item<platform::IpAddressCtrl>(id)->field(field);
  f->setFocus();
  f->selectAll();
  QTest::keyClick(f, Qt::Key_Delete);
}

void TypeShipId(ConfigLan& d, const char* keys) {
  auto* edit = d.item<QLineEdit>(IDC_SHIP_ID);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(keys));
}

void FillAll(ConfigLan& d) {
  TypeMac(d, "123456789abc");
  TypeAddress(d, IDC_IP_ADDRESS, "192.168.1.10");
  TypeAddress(d, IDC_SUBNET_MASK, "255.255.255.0");
  TypeAddress(d, IDC_GATEWAY, "10.0.0.254");
  TypeShipId(d, "cafe");
}

// What the fields show; a blank address control as "".
std::map<int, QString> Fields(ConfigLan& d) {
  std::map<int, QString> out;
  for (int id : {IDC_IP_ADDRESS, IDC_SUBNET_MASK, IDC_GATEWAY}) {
    auto* ip = d.item<platform::IpAddressCtrl>(id);
    out[id] = ip->isBlank() ? QString() : ip->text();
  }
  out[IDC_MAC_ADDRESS] = d.m_editMAC->text();
  out[IDC_SHIP_ID] = d.GetDlgItemText(IDC_SHIP_ID);
  return out;
}

// Starts the panel on an NZ system, presses "Config IP" and plays the user
// in the dialog; Esc closes it afterwards. Returns the dialog's result.
int OpenLan(PanelHarness& h, const Action& act, bool closeWithEsc = true) {
  int result = -1;
  h.prompter.queue([&](QDialog& dialog) {
    auto& d = static_cast<ConfigLan&>(dialog);
    QApplication::setActiveWindow(&d);
    QApplication::processEvents();
    act(d);
    if (closeWithEsc && d.isVisible()) QTest::keyClick(&d, Qt::Key_Escape);
    result = d.result();
    return result;
  });
  h.press(resources::panel::IDC_CONFIG_IP);
  EXPECT_EQ(h.prompter.pending(), 0u);
  return result;
}

// The panel on an NZ system, the family whose "Config IP" is enabled.
void StartNz(PanelHarness& h) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-100"));
  h.start();
}

// ---- Sets ----------------------------------------------------------------------

TEST(ConfigLan, SetsSendTheirOwnControlInTheControllersFormat) {
  struct Case {
    const char* name;
    Action fill;
    int button;
    std::string sent;
    int code;
  };
  const Case cases[] = {
      {"MAC default text", [](ConfigLan&) {}, IDC_MAC_SET, "00:00:00:00:00:00", 0xC0},
      {"MAC typed", [](ConfigLan& d) { TypeMac(d, "0a1b2c3d4e5f"); }, IDC_MAC_SET, "0A:1B:2C:3D:4E:5F", 0xC0},
      {"IP address", FillAll, IDC_IP_SET, "c0.a8.01.0a", 0xC2},
      {"subnet mask", FillAll, IDC_SUBNET_SET, "ff.ff.ff.00", 0xC6},
      {"gateway", FillAll, IDC_GATEWAY_SET, "0a.00.00.fe", 0xC4},
      {"zeros typed on purpose", [](ConfigLan& d) { TypeAddress(d, IDC_IP_ADDRESS, "0.0.0.0"); }, IDC_IP_SET,
       "00.00.00.00", 0xC2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartNz(h);
    std::map<int, QString> before, after;
    QString macSelected;
    OpenLan(h, [&](ConfigLan& d) {
      c.fill(d);
      before = Fields(d);
      Click(d, c.button);
      after = Fields(d);
      macSelected = d.item<QLineEdit>(IDC_MAC_ADDRESS)->selectedText();
    });
    EXPECT_EQ(h.transcript, Opening({SetSequence(c.sent, c.code)}));
    EXPECT_EQ(after, before);  // a Set changes no field
    // Reading the MAC address for its Set selects its whole text.
    if (c.button == IDC_MAC_SET) {
      EXPECT_EQ(macSelected, after.at(IDC_MAC_ADDRESS));
    }
  }
}

// ---- refusals: nothing half-entered leaves the dialog ------------------------------

TEST(ConfigLan, IncompleteEntriesAreRefusedWithNothingSent) {
  const std::string kMacIncomplete = zortest::Utf8(zor::service::kMacIncompleteMessage);
  auto incomplete = [](const char* what) {
    return std::string("The ") + what + " is incomplete. Fill in all four fields before setting it. Nothing was sent.";
  };
  struct Case {
    const char* name;
    Action fill;
    int button;
    std::string box;
    int focusId;     // the control that gets the focus back
    int focusField;  // its field, for an address control
  };
  const Case cases[] = {
      {"MAC partial", [](ConfigLan& d) { TypeMac(d, "00112"); }, IDC_MAC_SET, kMacIncomplete, IDC_MAC_ADDRESS, -1},
      {"IP blank", [](ConfigLan&) {}, IDC_IP_SET, incomplete("IP address"), IDC_IP_ADDRESS, 0},
      {"IP three fields", [](ConfigLan& d) { TypeAddress(d, IDC_IP_ADDRESS, "192.168.1"); }, IDC_IP_SET,
       incomplete("IP address"), IDC_IP_ADDRESS, 3},
      {"subnet mask blank", [](ConfigLan& d) { TypeAddress(d, IDC_IP_ADDRESS, "192.168.1.10"); }, IDC_SUBNET_SET,
       incomplete("subnet mask"), IDC_SUBNET_MASK, 0},
      {"gateway middle field cleared",
       [](ConfigLan& d) {
         TypeAddress(d, IDC_GATEWAY, "10.0.0.1");
         ClearField(d, IDC_GATEWAY, 2);
       },
       IDC_GATEWAY_SET, incomplete("gateway address"), IDC_GATEWAY, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartNz(h);
    std::map<int, QString> before, after;
    QWidget* expectedFocus = nullptr;
    QWidget* focus = nullptr;
    OpenLan(h, [&](ConfigLan& d) {
      c.fill(d);
      before = Fields(d);
      Click(d, c.button);
      after = Fields(d);
      focus = QApplication::focusWidget();
      if (c.button == IDC_MAC_SET) {
        auto* mac = d.item<QLineEdit>(IDC_MAC_ADDRESS);
        EXPECT_EQ(mac->selectedText(), mac->text());
      }
      expectedFocus =
          c.focusField < 0 ? d.GetDlgItem(c.focusId) : d.item<platform::IpAddressCtrl>(c.focusId)->field(c.focusField);
    });
    EXPECT_EQ(h.transcript, (Transcript{kModal, kBox + c.box}));
    EXPECT_EQ(after, before);  // what was typed stays for the user to finish
    EXPECT_EQ(focus, expectedFocus);
  }
}

// ---- Gets ------------------------------------------------------------------------

TEST(ConfigLan, GetsShowTheReplyInTheirOwnControlOnly) {
  struct Case {
    const char* name;
    int button;
    int code;
    std::vector<std::uint8_t> reply;
    int shownIn;
    QString shown;
  };
  const Case cases[] = {
      {"MAC", IDC_MAC_GET, 193, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, IDC_MAC_ADDRESS, "00:1A:2B:3C:4D:5E"},
      {"IP address", IDC_IP_GET, 195, {0xC0, 0xA8, 0x01, 0x0A}, IDC_IP_ADDRESS, "192.168.1.10"},
      {"subnet mask", IDC_SUBNET_GET, 199, {0xFF, 0xFF, 0xFF, 0x00}, IDC_SUBNET_MASK, "255.255.255.0"},
      {"gateway", IDC_GATEWAY_GET, 197, {0xC0, 0xA8, 0x01, 0x01}, IDC_GATEWAY, "192.168.1.1"},
      {"zero address", IDC_IP_GET, 195, {0, 0, 0, 0}, IDC_IP_ADDRESS, "0.0.0.0"},
      {"SHIP ID", IDC_SHIP_ID_GET, 189, {0x78, 0x56, 0x34, 0x12}, IDC_SHIP_ID, "12345678"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartNz(h);
    h.link.setStatus(c.code, c.reply);
    std::map<int, QString> before, after;
    QString shipMember;
    OpenLan(h, [&](ConfigLan& d) {
      before = Fields(d);
      Click(d, c.button);
      after = Fields(d);
      shipMember = d.m_strShipID;
    });
    EXPECT_EQ(h.transcript,
              (Transcript{kModal, "query " + std::to_string(c.code) + "/" + std::to_string(c.reply.size()) + " -> 0",
                          "wait 300"}));
    auto expected = before;
    expected[c.shownIn] = c.shown;
    EXPECT_EQ(after, expected);
    if (c.shownIn == IDC_SHIP_ID) {
      EXPECT_EQ(shipMember, c.shown);
    }
  }
}

TEST(ConfigLan, FailedReadsSaySoAndKeepWhatWasShown) {
  struct Case {
    const char* name;
    int button;
    int code;
    int length;
    std::string box;
  };
  const Case cases[] = {
      {"MAC", IDC_MAC_GET, 193, 6, "The MAC address could not be read from the controller."},
      {"IP address", IDC_IP_GET, 195, 4, "The IP address could not be read from the controller."},
      {"subnet mask", IDC_SUBNET_GET, 199, 4, "The subnet mask could not be read from the controller."},
      {"gateway", IDC_GATEWAY_GET, 197, 4, "The gateway address could not be read from the controller."},
      {"SHIP ID", IDC_SHIP_ID_GET, 189, 4, "The SHIP ID could not be read from the controller."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartNz(h);
    // A failing library may still have scribbled into the block.
    h.link.setStatus(c.code, std::vector<std::uint8_t>(6, 0xEE), 5);
    std::map<int, QString> before, after;
    OpenLan(h, [&](ConfigLan& d) {
      FillAll(d);
      before = Fields(d);
      Click(d, c.button);
      after = Fields(d);
    });
    EXPECT_EQ(h.transcript,
              (Transcript{kModal, "query " + std::to_string(c.code) + "/" + std::to_string(c.length) + " -> 5",
                          "wait 300", kBox + c.box}));
    EXPECT_EQ(after, before);
  }
}

// ---- no controller -------------------------------------------------------------------

TEST(ConfigLanUnconnected, AGetAndASetStopWhenNobodyAnswersAndLeaveTheFields) {
  struct Case {
    const char* name;
    Action act;
  };
  const Case cases[] = {
      {"MAC Get", [](ConfigLan& d) { Click(d, IDC_MAC_GET); }},
      {"gateway Set",
       [](ConfigLan& d) {
         TypeAddress(d, IDC_GATEWAY, "192.168.1.1");
         Click(d, IDC_GATEWAY_SET);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    h.link.setFindResults({0});
    h.start();
    std::map<int, QString> before, after;
    OpenLan(h, [&](ConfigLan& d) {
      before = Fields(d);
      c.act(d);
      after = Fields(d);
      before[IDC_GATEWAY] = after[IDC_GATEWAY];  // typed by the case itself
    });
    EXPECT_EQ(h.transcript, (Transcript{kModal, kNotConnected, "find -> 0"}));
    EXPECT_EQ(after, before);
  }
}

// ---- opening and closing ---------------------------------------------------------------

TEST(ConfigLan, OpensFreshEveryTimeAndSendsNothingOnItsOwn) {
  PanelHarness h;
  StartNz(h);
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    std::map<int, QString> fields;
    bool dhcp = true;
    QString title;
    OpenLan(h, [&](ConfigLan& d) {
      fields = Fields(d);
      dhcp = d.item<QCheckBox>(IDC_DHCP_ENABLE)->isChecked();
      title = d.windowTitle();
      // Leave everything changed behind for the next opening.
      FillAll(d);
      QTest::mouseClick(d.item<QCheckBox>(IDC_DHCP_ENABLE), Qt::LeftButton);
    });
    EXPECT_EQ(fields, (std::map<int, QString>{{IDC_IP_ADDRESS, ""},
                                              {IDC_SUBNET_MASK, ""},
                                              {IDC_GATEWAY, ""},
                                              {IDC_MAC_ADDRESS, "00:00:00:00:00:00"},
                                              {IDC_SHIP_ID, ""}}));
    EXPECT_FALSE(dhcp);
    EXPECT_EQ(title, "CONFIG LAN");
    EXPECT_EQ(h.transcript, (Transcript{kModal}));
    h.transcript.clear();
  }
}

TEST(ConfigLan, ClosingSendsNothingAndTheInertControlsDoNothing) {
  struct Case {
    const char* name;
    Action close;
    int result;
  };
  const Case cases[] = {
      {"Close", [](ConfigLan& d) { Click(d, platform::IDOK); }, platform::IDOK},
      {"Enter in the MAC field",
       [](ConfigLan& d) {
         d.m_editMAC->setFocus();
         QTest::keyClick(d.m_editMAC, Qt::Key_Return);
       },
       platform::IDOK},
      {"Esc", [](ConfigLan& d) { QTest::keyClick(&d, Qt::Key_Escape); }, platform::IDCANCEL},
      {"close box", [](ConfigLan& d) { d.close(); }, platform::IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelHarness h;
    StartNz(h);
    QString shipMember;
    std::map<int, QString> before, after;
    bool visible = true;
    const int result = OpenLan(
        h,
        [&](ConfigLan& d) {
          FillAll(d);
          before = Fields(d);
          QTest::mouseClick(d.item<QCheckBox>(IDC_DHCP_ENABLE), Qt::LeftButton);
          Click(d, IDC_GET_STATUS);
          Click(d, IDC_SET_STATUS);
          after = Fields(d);
          c.close(d);
          visible = d.isVisible();
          shipMember = d.m_strShipID;
        },
        false);
    EXPECT_EQ(h.transcript, (Transcript{kModal}));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(visible);
    EXPECT_EQ(result, c.result);
    // OK takes the SHIP ID field into its member; a cancel leaves it alone.
    EXPECT_EQ(shipMember, c.result == platform::IDOK ? "cafe" : "");
  }
}

TEST(ConfigLan, EveryControlHasAnAccessibleNameThatSaysWhatItActsOn) {
  PanelHarness h;
  StartNz(h);
  std::map<QString, int> count;
  std::map<int, QString> names;
  QString ipField;
  OpenLan(h, [&](ConfigLan& d) {
    for (const auto& t : kConfigLanTemplate.controls) {
      if (t.id == platform::IDC_STATIC) continue;
      names[t.id] = zortest::AccessibleName(d.GetDlgItem(t.id));
      ++count[names[t.id]];
    }
    ipField = d.item<platform::IpAddressCtrl>(IDC_IP_ADDRESS)->field(3)->accessibleName();
  });
  for (const auto& [name, n] : count) {
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(n, 1) << name.toStdString();
  }
  EXPECT_EQ(names, (std::map<int, QString>{{platform::IDOK, "Close"},
                                           {IDC_MAC_GET, "Get MAC Address"},
                                           {IDC_IP_ADDRESS, "IP Address :"},
                                           {IDC_SUBNET_MASK, "Subnet Mask :"},
                                           {IDC_GATEWAY, "Gateway IP :"},
                                           {IDC_MAC_ADDRESS, "MAC Address :"},
                                           {IDC_MAC_SET, "Set MAC Address"},
                                           {IDC_DHCP_ENABLE, "DHCP Enable"},
                                           {IDC_IP_GET, "Get IP Address"},
                                           {IDC_IP_SET, "Set IP Address"},
                                           {IDC_SUBNET_GET, "Get Subnet Mask"},
                                           {IDC_SUBNET_SET, "Set Subnet Mask"},
                                           {IDC_GATEWAY_GET, "Get Gateway IP"},
                                           {IDC_GATEWAY_SET, "Set Gateway IP"},
                                           {IDC_GET_STATUS, "Get Status"},
                                           {IDC_SET_STATUS, "Set Status"},
                                           {IDC_SHIP_ID, "SHIP ID :"},
                                           {IDC_SHIP_ID_GET, "Get SHIP ID"}}));
  EXPECT_EQ(ipField, "IP Address field 4");
}

}  // namespace

}  // namespace zor::lan
